// SPDX-License-Identifier: MIT
#include <QTest>

#include "Desktop.h"

// Start-up as the user sees it: the header line, the help window that opens by itself,
// the tour's start and the Help menu.
class TestSupport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void headerLineAcrossTheTop();
    void helpOpensByItselfAndStartsTheTour();
    void helpMenuReopensHelpAndOpensSupport();

private:
    TDesktop FDesktop;
};

void TestSupport::initTestCase()
{
    QVERIFY(FDesktop.StartSettings());
}

void TestSupport::headerLineAcrossTheTop()
{
    const QRect Window = TDesktop::WindowGeometry(FDesktop.MainWindow());
    // Below the menu bar, above the photograph: a line of dark text centred in the window.
    // The menu's captions stand at the left, outside the band searched; the inactive
    // window's title is too light to count.
    QRect Text;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QImage Screen = TDesktop::Grab();
            Text = QRect();
            for (int Y = qMax(0, Window.y() - 20); Y < Window.y() + 110; ++Y)
                for (int X = Window.center().x() - 300; X < Window.center().x() + 300; ++X)
                    if (qGray(Screen.pixel(X, Y)) < 60)
                        Text |= QRect(X, Y, 1, 1);
            return Text.width() > 200;
        }(),
        Patience);
    QVERIFY2(qAbs(Text.center().x() - Window.center().x()) < 20,
             qPrintable(QStringLiteral("header text at %1..%2").arg(Text.left()).arg(Text.right())));
    QVERIFY(Text.height() >= 14);
}

void TestSupport::helpOpensByItselfAndStartsTheTour()
{
    const QString Help = TDesktop::WaitForWindow(QStringLiteral("^Instructions for Settings utility$"));
    QVERIFY(!Help.isEmpty());
    QVERIFY(!TDesktop::WindowShown(QStringLiteral("^Base Address$")));
    TDesktop::Activate(Help);
    TDesktop::Keys(QStringLiteral("Escape"));
    QTRY_VERIFY_WITH_TIMEOUT(!TDesktop::WindowShown(QStringLiteral("^Instructions for Settings utility$")), Patience);
    QVERIFY(!TDesktop::WaitForWindow(QStringLiteral("^Base Address$")).isEmpty());
    // Pinned: moving the pointer over the photograph and away leaves it open. The technical
    // support window, opened after the move, shows that the program has dealt with it.
    const QRect Window = TDesktop::WindowGeometry(FDesktop.MainWindow());
    TDesktop::MovePointer(Window.center().x(), Window.bottom() - 5);
    TDesktop::ChooseMenu(FDesktop.MainWindow(), QStringLiteral("alt+h"), QStringLiteral("t"));
    const QString Support = TDesktop::WaitForWindow(QStringLiteral("^Technical Support$"));
    QVERIFY(!Support.isEmpty());
    QVERIFY(TDesktop::WindowShown(QStringLiteral("^Base Address$")));
    TDesktop::Activate(Support);
    TDesktop::Keys(QStringLiteral("Escape"));
    QTRY_VERIFY_WITH_TIMEOUT(!TDesktop::WindowShown(QStringLiteral("^Technical Support$")), Patience);
}

void TestSupport::helpMenuReopensHelpAndOpensSupport()
{
    TDesktop::ChooseMenu(FDesktop.MainWindow(), QStringLiteral("alt+h"), QStringLiteral("o"));
    QVERIFY(!TDesktop::WaitForWindow(QStringLiteral("^Instructions for Settings utility$")).isEmpty());
    TDesktop::ChooseMenu(FDesktop.MainWindow(), QStringLiteral("alt+h"), QStringLiteral("t"));
    QVERIFY(!TDesktop::WaitForWindow(QStringLiteral("^Technical Support$")).isEmpty());
}

QTEST_MAIN(TestSupport)
#include "tst_support.moc"
