// SPDX-License-Identifier: MIT
#include <QFile>
#include <QTest>

#include "Desktop.h"
#include "JpegImage.h"

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void opensMaximisedWithPhotographAndExits();
};

void TestStartup::opensMaximisedWithPhotographAndExits()
{
    TDesktop Desktop;
    QVERIFY(Desktop.StartSettings());
    const QStringList State = TDesktop::WindowState(Desktop.MainWindow());
    QVERIFY2(State.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_HORZ")),
             qPrintable(State.join(QLatin1Char(' '))));

    QFile Asset(QStringLiteral(BOARD_JPEG));
    QVERIFY(Asset.open(QIODevice::ReadOnly));
    const QImage Photograph = DecodeJpeg(Asset.readAll());
    QVERIFY(!Photograph.isNull());
    // A corner of the photograph, where neither a circle nor the help window lies.
    const QImage Patch = Photograph.copy(30, 610, 24, 24);
    // The board image centres itself by the window's outer width once the window is
    // maximised and repainted.
    const QRect Window = TDesktop::WindowGeometry(Desktop.MainWindow());
    const int ExpectedLeft = Window.x() + (Window.width() - 600) / 2;
    int PhotoLeft = -1;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (PhotoLeft = TDesktop::Find(TDesktop::Grab(), Patch).x() - 30,
         qAbs(PhotoLeft - ExpectedLeft) <= 12),
        qPrintable(QStringLiteral("photograph at %1, expected near %2")
                       .arg(PhotoLeft).arg(ExpectedLeft)),
        Patience);

    TDesktop::ChooseMenu(Desktop.MainWindow(), QStringLiteral("alt+f"), QStringLiteral("e"));
    QTRY_COMPARE_WITH_TIMEOUT(Desktop.Program().state(), QProcess::NotRunning, Patience);
    QCOMPARE(Desktop.Program().exitStatus(), QProcess::NormalExit);
    QCOMPARE(Desktop.Program().exitCode(), 0);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
