// SPDX-License-Identifier: MIT
#include <QTest>

#include "PopupGeometry.h"

using namespace PopupGeometry;

// The popup's rules as arithmetic, with a frame such as a window manager draws.
class TestPopupGeometry : public QObject {
    Q_OBJECT

private slots:
    void outerSize_data();
    void outerSize();
    void ontoScreen_data();
    void ontoScreen();
    void placement();
};

void TestPopupGeometry::outerSize_data()
{
    QTest::addColumn<bool>("HasPanel");
    QTest::addColumn<QSize>("Client");
    QTest::addColumn<QMargins>("Frame");
    QTest::addColumn<QSize>("Outer");
    const QMargins Framed(1, 20, 1, 5);
    QTest::newRow("panel 203 x 153, no frame") << true << QSize(203, 262) << QMargins() << QSize(203, 262);
    QTest::newRow("panel 203 x 153, framed") << true << QSize(203, 262) << Framed << QSize(205, 287);
    QTest::newRow("panel 169 x 73 widened") << true << QSize(169, 182) << Framed << QSize(194, 207);
    QTest::newRow("low panel raised") << true << QSize(300, 60) << Framed << QSize(302, 122);
    QTest::newRow("no panel") << false << QSize(10, 10) << Framed << QSize(194, 141);
}

void TestPopupGeometry::outerSize()
{
    QFETCH(bool, HasPanel);
    QFETCH(QSize, Client);
    QFETCH(QMargins, Frame);
    QFETCH(QSize, Outer);
    QCOMPARE(OuterSize(HasPanel, Client, Frame), Outer);
}

void TestPopupGeometry::ontoScreen_data()
{
    QTest::addColumn<QRect>("Outer");
    QTest::addColumn<QPoint>("Place");
    QTest::newRow("inside") << QRect(692, 46, 205, 287) << QPoint(692, 46);
    QTest::newRow("past the right edge") << QRect(900, 46, 205, 287) << QPoint(1024 - 205, 46);
    QTest::newRow("negative left") << QRect(-30, 46, 205, 287) << QPoint(0, 46);
    QTest::newRow("past the bottom") << QRect(10, 532, 523, 289) << QPoint(10, 768 - 289);
    QTest::newRow("negative top") << QRect(10, -18, 205, 287) << QPoint(10, 0);
    // The right edge wins over the left one.
    QTest::newRow("wider than the screen") << QRect(10, 10, 1100, 287) << QPoint(1024 - 1100, 10);
}

void TestPopupGeometry::ontoScreen()
{
    QFETCH(QRect, Outer);
    QFETCH(QPoint, Place);
    QCOMPARE(OntoScreen(Outer, QSize(1024, 768)), QRect(Place, Outer.size()));
}

void TestPopupGeometry::placement()
{
    // The card page's base address panel at (702, 24) with the board image designed at
    // (222, 42) and centred to (212, 64) on a maximised 1024 x 768 window.
    QCOMPARE(PanelPlace(QPoint(212, 64), QPoint(222, 42), QPoint(702, 24)), QPoint(692, 46));
    QCOMPARE(BelowParent(QRect(212, 64, 600, 639)), QPoint(212, 64 + 639 + 38));
}

QTEST_MAIN(TestPopupGeometry)
#include "tst_popupgeometry.moc"
