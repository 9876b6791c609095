// SPDX-License-Identifier: MIT
#include <QTest>

#include "Desktop.h"
#include "JpegWriter.h"
#include "JpegImage.h"
#include "TestPage.h"

// The real pointer over the circles of the test page.
class TestHighlights : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void enteringOpensLeavingCloses();
    void leavingIntoPopupKeepsItUntilPopupIsLeft();
    void clickPins();
    void looksChangeWithThePopup();

private:
    QPoint OnScreen(QPoint PicturePoint) const { return FBoard + PicturePoint; }
    void ToPhotograph() const { TDesktop::MovePointer(OnScreen({560, 600})); }
    void ToAlpha() const { TDesktop::MovePointer(OnScreen({199, 131})); }

    TDesktop FDesktop;
    QPoint FBoard;
};

void TestHighlights::initTestCase()
{
    QVERIFY(FDesktop.Start(QStringLiteral(HIGHLIGHT_PAGE), QStringLiteral("^Test page$")));
    FBoard = TDesktop::Locate(DecodeJpeg(EncodeProgressiveJpeg(TTestPage::Picture(), 95)),
                              QPoint(540, 580));
    QVERIFY(FBoard.x() >= 0);
}

void TestHighlights::enteringOpensLeavingCloses()
{
    ToPhotograph();
    QVERIFY(!TDesktop::WindowShown(QStringLiteral("^Alpha$")));
    ToAlpha();
    QVERIFY(!TDesktop::WaitForWindow(QStringLiteral("^Alpha$"), 5000).isEmpty());
    ToPhotograph();
    QTRY_VERIFY(!TDesktop::WindowShown(QStringLiteral("^Alpha$")));
}

void TestHighlights::leavingIntoPopupKeepsItUntilPopupIsLeft()
{
    ToAlpha();
    const QString Popup = TDesktop::WaitForWindow(QStringLiteral("^Alpha$"), 5000);
    QVERIFY(!Popup.isEmpty());
    const QRect Inside = TDesktop::WindowGeometry(Popup);
    TDesktop::MovePointer(Inside.center());
    QTest::qWait(300);
    QVERIFY(TDesktop::WindowShown(QStringLiteral("^Alpha$")));
    TDesktop::MovePointer(Inside.center().x() + 20, Inside.bottom() - 30);
    QVERIFY(TDesktop::WindowShown(QStringLiteral("^Alpha$")));
    ToPhotograph();
    QTRY_VERIFY(!TDesktop::WindowShown(QStringLiteral("^Alpha$")));
}

void TestHighlights::clickPins()
{
    ToAlpha();
    QVERIFY(!TDesktop::WaitForWindow(QStringLiteral("^Alpha$"), 5000).isEmpty());
    TDesktop::Click();
    ToPhotograph();
    QTest::qWait(500);
    QVERIFY(TDesktop::WindowShown(QStringLiteral("^Alpha$")));
    // Its menu entry is checked now; choosing it closes the popup.
    TDesktop::ChooseMenu(FDesktop.MainWindow(), QStringLiteral("alt+s"), QStringLiteral("a"));
    QTRY_VERIFY(!TDesktop::WindowShown(QStringLiteral("^Alpha$")));
}

void TestHighlights::looksChangeWithThePopup()
{
    ToPhotograph();
    QTest::qWait(300);
    const QRect Circle(OnScreen({176, 57}), QSize(47, 149));
    const QImage Idle = TDesktop::Grab().copy(Circle);
    ToAlpha();
    QVERIFY(!TDesktop::WaitForWindow(QStringLiteral("^Alpha$"), 5000).isEmpty());
    QTest::qWait(300);
    const QImage Open = TDesktop::Grab().copy(Circle);
    QVERIFY(Idle != Open);
    // The ring is yellow: on its line the blue channel drops and red and green rise.
    const QPoint OnRing(23, 149 / 2 + 65);
    QVERIFY(qRed(Open.pixel(OnRing)) >= qRed(Idle.pixel(OnRing)));
    ToPhotograph();
    QTRY_VERIFY(!TDesktop::WindowShown(QStringLiteral("^Alpha$")));
}

QTEST_MAIN(TestHighlights)
#include "tst_highlights.moc"
