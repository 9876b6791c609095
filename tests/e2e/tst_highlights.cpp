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
    void ToBeta() const { TDesktop::MovePointer(OnScreen({106, 154})); }

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
    QVERIFY(!TDesktop::WaitForWindow(QStringLiteral("^Alpha$")).isEmpty());
    ToPhotograph();
    QTRY_VERIFY_WITH_TIMEOUT(!TDesktop::WindowShown(QStringLiteral("^Alpha$")), Patience);
}

void TestHighlights::leavingIntoPopupKeepsItUntilPopupIsLeft()
{
    ToAlpha();
    const QString Popup = TDesktop::WaitForWindow(QStringLiteral("^Alpha$"));
    QVERIFY(!Popup.isEmpty());
    // Into the popup, onto the line edit at the panel's top left: typing there shows, once
    // the program has dealt with the pointer leaving the circle, that the popup stayed.
    const QRect Inside = TDesktop::ClientArea(Popup);
    const QRect Edit(Inside.topLeft() + QPoint(4, 4), QSize(60, 20));
    const QImage Before = TDesktop::Grab().copy(Edit);
    TDesktop::MovePointer(Edit.center());
    TDesktop::Click();
    TDesktop::Type(QStringLiteral("x"));
    QTRY_VERIFY_WITH_TIMEOUT(TDesktop::Grab().copy(Edit) != Before, Patience);
    QVERIFY(TDesktop::WindowShown(QStringLiteral("^Alpha$")));
    TDesktop::MovePointer(Inside.center().x() + 20, Inside.bottom() - 30);
    QVERIFY(TDesktop::WindowShown(QStringLiteral("^Alpha$")));
    ToPhotograph();
    QTRY_VERIFY_WITH_TIMEOUT(!TDesktop::WindowShown(QStringLiteral("^Alpha$")), Patience);
}

void TestHighlights::clickPins()
{
    ToAlpha();
    QVERIFY(!TDesktop::WaitForWindow(QStringLiteral("^Alpha$")).isEmpty());
    TDesktop::Click();
    ToPhotograph();
    // Beta's popup opening shows that the program has seen the pointer leave Alpha.
    ToBeta();
    QVERIFY(!TDesktop::WaitForWindow(QStringLiteral("^Beta$")).isEmpty());
    QVERIFY(TDesktop::WindowShown(QStringLiteral("^Alpha$")));
    ToPhotograph();
    QTRY_VERIFY_WITH_TIMEOUT(!TDesktop::WindowShown(QStringLiteral("^Beta$")), Patience);
    // Its menu entry is checked now; choosing it closes the popup.
    TDesktop::ChooseMenu(FDesktop.MainWindow(), QStringLiteral("alt+s"), QStringLiteral("a"));
    QTRY_VERIFY_WITH_TIMEOUT(!TDesktop::WindowShown(QStringLiteral("^Alpha$")), Patience);
}

void TestHighlights::looksChangeWithThePopup()
{
    ToPhotograph();
    QTRY_VERIFY_WITH_TIMEOUT(!TDesktop::WindowShown(QStringLiteral("^Alpha$")), Patience);
    const QRect Circle(OnScreen({176, 57}), QSize(47, 149));
    const QImage Idle = TDesktop::Grab().copy(Circle);
    ToAlpha();
    QVERIFY(!TDesktop::WaitForWindow(QStringLiteral("^Alpha$")).isEmpty());
    QImage Open;
    QTRY_VERIFY_WITH_TIMEOUT((Open = TDesktop::Grab().copy(Circle)) != Idle, Patience);
    // The ring is yellow: on its line the blue channel drops and red and green rise.
    const QPoint OnRing(23, 149 / 2 + 65);
    const QRgb Before = Idle.pixel(OnRing), After = Open.pixel(OnRing);
    QVERIFY2(qBlue(After) < qBlue(Before) && qRed(After) > qRed(Before) && qGreen(After) > qGreen(Before),
             qPrintable(QStringLiteral("ring pixel %1 -> %2").arg(Before, 0, 16).arg(After, 0, 16)));
    ToPhotograph();
    QTRY_VERIFY_WITH_TIMEOUT(!TDesktop::WindowShown(QStringLiteral("^Alpha$")), Patience);
}

QTEST_MAIN(TestHighlights)
#include "tst_highlights.moc"
