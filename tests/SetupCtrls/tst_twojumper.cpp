// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QTest>
#include <QWindow>

#include <array>

#include "Probes.h"
#include "TRadioPanel.h"
#include "TTwoJumper.h"

using TOrientations = QList<int>;

namespace {

const QRgb Background = qRgb(0x33, 0x66, 0x99);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Grey = qRgb(128, 128, 128);
const QRgb Yellow = qRgb(255, 255, 0);
const QRgb Maroon = qRgb(128, 0, 0);

// A panel of a known colour, for the jumpers to be drawn on.
struct TPanelFixture {
    TRadioPanel Panel;
    TTwoJumper* Jumper = new TTwoJumper(&Panel);
    TPanelFixture() { Panel.SetColor(TColor(0x00996633)); }
};

// The panel shown, its jumper counting its clicks.
struct TClickFixture : TPanelFixture {
    int Clicks = 0;
    TClickFixture()
    {
        Jumper->OnClick = [this](QObject*) { ++Clicks; };
        Panel.show();
    }
};

QRgb At(const QImage& Image, int X, int Y) { return Image.pixel(X, Y); }

int Count(const QImage& Image, QRgb Colour)
{
    int Result = 0;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            Result += At(Image, X, Y) == Colour;
    return Result;
}

// Checks that Colour fills exactly [From, To] along a row (or a column) and not its neighbours.
void CheckRun(const QImage& Image, bool Row, int Fixed, int From, int To, QRgb Colour)
{
    for (int I = From - 1; I <= To + 1; ++I) {
        const QRgb Pixel = Row ? At(Image, I, Fixed) : At(Image, Fixed, I);
        QCOMPARE(Pixel == Colour, I >= From && I <= To);
    }
}

// Counts the paints that reach one widget, with the widget's size at each.
class TPaintCounter : public QObject {
public:
    explicit TPaintCounter(QWidget* Watched) { Watched->installEventFilter(this); }
    int Paints = 0;
    QList<QSize> Sizes;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::Paint) {
            ++Paints;
            Sizes << static_cast<QWidget*>(Watched)->size();
        }
        return false;
    }
};

class TDerivedPanel : public TRadioPanel {
public:
    using TRadioPanel::TRadioPanel;
};

} // namespace

class TestTwoJumper : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsDefaults();
    void propertiesSetByName();
    void openPicture();
    void closedPicture();
    void pictureWithoutBorder_data();
    void pictureWithoutBorder();
    void turns_data();
    void turns();
    void sizeExchange_data();
    void sizeExchange();
    void sizeExchangeRepaintsOnScreen();
    void background_data();
    void background();
    void tinySizesDrawSafely_data();
    void tinySizesDrawSafely();
    void clickTogglesBeforeOnClick();
    void onlyCompleteLeftClicksCount();
    void doubleClickTogglesOnce();
    void writesRepaintOnlyOnChange_data();
    void writesRepaintOnlyOnChange();
};

void TestTwoJumper::startsWithItsDefaults()
{
    TTwoJumper Jumper;
    QCOMPARE(Jumper.size(), QSize(34, 18));
    QCOMPARE(Jumper.Closed(), false);
    QCOMPARE(Jumper.Orientation(), TTwoJumper::otUp);
    QCOMPARE(Jumper.BorderStyle(), TTwoJumper::bsSingle);
    QCOMPARE(Jumper.BaseColor(), clGray);
    QCOMPARE(Jumper.PinColor(), clYellow);
    QCOMPARE(Jumper.JumperColor(), clMaroon);
    QCOMPARE(Jumper.Tag(), 0);
    QCOMPARE(Jumper.focusPolicy(), Qt::NoFocus);
}

void TestTwoJumper::propertiesSetByName()
{
    TTwoJumper Jumper;
    QVERIFY(Jumper.setProperty("Orientation", "otLeft"));
    QCOMPARE(Jumper.Orientation(), TTwoJumper::otLeft);
    QVERIFY(Jumper.setProperty("BorderStyle", "bsNone"));
    QCOMPARE(Jumper.BorderStyle(), TTwoJumper::bsNone);
    QVERIFY(Jumper.setProperty("Closed", true));
    QVERIFY(Jumper.setProperty("BaseColor", clRed));
    QVERIFY(Jumper.setProperty("PinColor", clBlue));
    QVERIFY(Jumper.setProperty("JumperColor", clWhite));
    QVERIFY(Jumper.setProperty("Tag", 7));
    QCOMPARE(Jumper.Closed(), true);
    QCOMPARE(Jumper.BaseColor(), clRed);
    QCOMPARE(Jumper.PinColor(), clBlue);
    QCOMPARE(Jumper.JumperColor(), clWhite);
    QCOMPARE(Jumper.property("Tag").toInt(), 7);

    // Values outside the enumerations are ignored.
    Jumper.setProperty("Orientation", 9);
    Jumper.setProperty("BorderStyle", -1);
    QCOMPARE(Jumper.Orientation(), TTwoJumper::otLeft);
    QCOMPARE(Jumper.BorderStyle(), TTwoJumper::bsNone);
}

// The standard 34 x 18 jumper: header box (1, 1, 33, 17), pins (8, 6, 14, 12) and
// (20, 6, 26, 12), each filling five by five pixels.
void TestTwoJumper::openPicture()
{
    TPanelFixture Fixture;
    const QImage Image = Picture(Fixture.Jumper);
    QCOMPARE(Image.size(), QSize(34, 18));

    for (const QPoint Corner : {QPoint(0, 0), QPoint(33, 0), QPoint(0, 17), QPoint(33, 17),
                                QPoint(1, 1), QPoint(32, 16)})
        QCOMPARE(At(Image, Corner.x(), Corner.y()), Background);
    for (int X = 0; X < 34; ++X) {
        QCOMPARE(At(Image, X, 0), Background);
        QCOMPARE(At(Image, X, 17), Background);
    }
    // Straight parts of the outline, with the header fill right inside them.
    CheckRun(Image, false, 17, 1, 1, Black);
    CheckRun(Image, false, 17, 16, 16, Black);
    CheckRun(Image, true, 9, 1, 1, Black);
    CheckRun(Image, true, 9, 32, 32, Black);
    for (const QPoint Fill : {QPoint(17, 2), QPoint(17, 15), QPoint(2, 9), QPoint(31, 9),
                              QPoint(16, 8)})
        QCOMPARE(At(Image, Fill.x(), Fill.y()), Grey);

    CheckRun(Image, true, 8, 8, 12, Yellow);
    CheckRun(Image, false, 10, 6, 10, Yellow);
    CheckRun(Image, true, 8, 20, 24, Yellow);
    CheckRun(Image, false, 22, 6, 10, Yellow);
    QCOMPARE(Count(Image, Maroon), 0);
}

void TestTwoJumper::closedPicture()
{
    TPanelFixture Fixture;
    Fixture.Jumper->SetClosed(true);
    const QImage Image = Picture(Fixture.Jumper);

    // A one-pixel black frame on the outermost pixels, maroon inside, pins on top.
    QCOMPARE(Count(Image, Black), 2 * (34 + 18) - 4);
    for (int X = 0; X < 34; ++X) {
        QCOMPARE(At(Image, X, 0), Black);
        QCOMPARE(At(Image, X, 17), Black);
    }
    for (int Y = 0; Y < 18; ++Y) {
        QCOMPARE(At(Image, 0, Y), Black);
        QCOMPARE(At(Image, 33, Y), Black);
    }
    QCOMPARE(Count(Image, Background), 0);
    QCOMPARE(At(Image, 1, 1), Maroon);
    QCOMPARE(At(Image, 32, 16), Maroon);
    CheckRun(Image, true, 8, 8, 12, Yellow);
    CheckRun(Image, false, 22, 6, 10, Yellow);
}

void TestTwoJumper::pictureWithoutBorder_data()
{
    QTest::addColumn<bool>("Closed");
    QTest::addColumn<QRgb>("Body");
    QTest::addColumn<QRgb>("Corner");
    QTest::newRow("open") << false << Grey << Background;
    QTest::newRow("closed") << true << Maroon << Maroon;
}

void TestTwoJumper::pictureWithoutBorder()
{
    QFETCH(bool, Closed);
    QFETCH(QRgb, Body);
    QFETCH(QRgb, Corner);
    TPanelFixture Fixture;
    Fixture.Jumper->SetClosed(Closed);
    Fixture.Jumper->SetBorderStyle(TTwoJumper::bsNone);
    const QImage Image = Picture(Fixture.Jumper);

    // The header or shunt ends in its own colour, on the same pixels as the outline would.
    QCOMPARE(Count(Image, Black), 0);
    QCOMPARE(At(Image, 0, 0), Corner);
    QCOMPARE(At(Image, 17, Closed ? 0 : 1), Body);
    QCOMPARE(At(Image, 17, 0), Closed ? Body : Background);
    QCOMPARE(At(Image, 10, 8), Yellow);
}

void TestTwoJumper::turns_data()
{
    QTest::addColumn<int>("Orientation");
    QTest::addColumn<QSize>("Size");
    QTest::addColumn<QPoint>("FirstPin");
    QTest::addColumn<QPoint>("SecondPin");
    // Pin centres (10, 8) and (22, 8) of the picture lying as for otUp, turned.
    QTest::newRow("otUp") << int(TTwoJumper::otUp) << QSize(34, 18) << QPoint(10, 8) << QPoint(22, 8);
    QTest::newRow("otDown") << int(TTwoJumper::otDown) << QSize(34, 18) << QPoint(23, 9) << QPoint(11, 9);
    QTest::newRow("otLeft") << int(TTwoJumper::otLeft) << QSize(18, 34) << QPoint(8, 23) << QPoint(8, 11);
    QTest::newRow("otRight") << int(TTwoJumper::otRight) << QSize(18, 34) << QPoint(9, 10) << QPoint(9, 22);
}

void TestTwoJumper::turns()
{
    QFETCH(int, Orientation);
    QFETCH(QSize, Size);
    QFETCH(QPoint, FirstPin);
    QFETCH(QPoint, SecondPin);
    TPanelFixture Upright;
    const QImage Lying = Picture(Upright.Jumper);

    // Loaded in its final size, as the card page stores the filter jumpers.
    TPanelFixture Fixture;
    Fixture.Jumper->resize(Size);
    Fixture.Jumper->SetOrientation(TTwoJumper::TOrientationType(Orientation));
    const QImage Turned = Picture(Fixture.Jumper);
    QCOMPARE(Turned.size(), Size);
    QCOMPARE(At(Turned, FirstPin.x(), FirstPin.y()), Yellow);
    QCOMPARE(At(Turned, SecondPin.x(), SecondPin.y()), Yellow);

    const int W = Lying.width();
    const int H = Lying.height();
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X) {
            const QPoint To = std::array{QPoint(X, Y), QPoint(W - 1 - X, H - 1 - Y),
                                         QPoint(Y, W - 1 - X), QPoint(H - 1 - Y, X)}[Orientation];
            if (At(Turned, To.x(), To.y()) != At(Lying, X, Y))
                QFAIL(qPrintable(QString("pixel (%1, %2) lost its place").arg(X).arg(Y)));
        }
}

void TestTwoJumper::sizeExchange_data()
{
    QTest::addColumn<QSize>("Size");
    QTest::addColumn<TOrientations>("BeforePaint");
    QTest::addColumn<TOrientations>("AfterPaint");
    QTest::addColumn<QSize>("Expected");
    const int Up = TTwoJumper::otUp, Down = TTwoJumper::otDown;
    const int Left = TTwoJumper::otLeft, Right = TTwoJumper::otRight;
    QTest::newRow("otUp to otDown") << QSize(34, 18) << TOrientations{} << TOrientations{Down} << QSize(34, 18);
    QTest::newRow("otUp to otLeft") << QSize(34, 18) << TOrientations{} << TOrientations{Left} << QSize(18, 34);
    QTest::newRow("otLeft to otRight") << QSize(18, 34) << TOrientations{Left} << TOrientations{Right} << QSize(18, 34);
    QTest::newRow("loaded otLeft") << QSize(18, 34) << TOrientations{Left} << TOrientations{} << QSize(18, 34);
    QTest::newRow("otLeft to otDown") << QSize(18, 34) << TOrientations{Left} << TOrientations{Down} << QSize(34, 18);
    QTest::newRow("otLeft, then otRight") << QSize(34, 18) << TOrientations{} << TOrientations{Left, Right} << QSize(18, 34);
    QTest::newRow("otLeft and back") << QSize(34, 18) << TOrientations{} << TOrientations{Left, Up} << QSize(34, 18);
    QTest::newRow("square") << QSize(20, 20) << TOrientations{} << TOrientations{Left} << QSize(20, 20);
}

void TestTwoJumper::sizeExchange()
{
    QFETCH(QSize, Size);
    QFETCH(TOrientations, BeforePaint);
    QFETCH(TOrientations, AfterPaint);
    QFETCH(QSize, Expected);
    TPanelFixture Fixture;
    TTwoJumper* Jumper = Fixture.Jumper;
    Jumper->resize(Size);
    for (int Orientation : BeforePaint)
        Jumper->SetOrientation(TTwoJumper::TOrientationType(Orientation));
    Picture(Jumper);
    for (int Orientation : AfterPaint)
        Jumper->SetOrientation(TTwoJumper::TOrientationType(Orientation));
    Picture(Jumper);
    QCOMPARE(Jumper->size(), Expected);

    // Painted in the final shape: the pins lie across the longer side.
    const QImage Image = Picture(Jumper);
    QCOMPARE(Jumper->size(), Expected);
    QVERIFY(Count(Image, Yellow) > 0);
    QCOMPARE(At(Image, 0, 0), Background);
}

void TestTwoJumper::sizeExchangeRepaintsOnScreen()
{
    TPanelFixture Fixture;
    TTwoJumper* Jumper = Fixture.Jumper;
    TPaintCounter Counter(Jumper);
    Fixture.Panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fixture.Panel));
    QTRY_VERIFY(Counter.Paints > 0);

    Jumper->SetOrientation(TTwoJumper::otLeft);
    QTRY_VERIFY(Counter.Sizes.contains(QSize(18, 34)));
    const QImage Image = Picture(Jumper);
    QCOMPARE(At(Image, 8, 23), Yellow);
    QCOMPARE(At(Image, 8, 11), Yellow);
}

void TestTwoJumper::background_data()
{
    QTest::addColumn<QString>("Parent");
    QTest::addColumn<bool>("PanelColour");
    QTest::newRow("radio panel") << "radio panel" << true;
    QTest::newRow("derived panel") << "derived panel" << false;
    QTest::newRow("plain widget") << "plain widget" << false;
    QTest::newRow("no parent") << "none" << false;
}

void TestTwoJumper::background()
{
    QFETCH(QString, Parent);
    QFETCH(bool, PanelColour);
    TRadioPanel Panel;
    TDerivedPanel Derived;
    QWidget Plain;
    Panel.SetColor(clBlue);
    Derived.SetColor(clBlue);
    QPalette Palette = Plain.palette();
    Palette.setColor(QPalette::Window, Qt::blue);
    Plain.setPalette(Palette);
    TTwoJumper Jumper;
    if (Parent == "radio panel")
        Jumper.setParent(&Panel);
    else if (Parent == "derived panel")
        Jumper.setParent(&Derived);
    else if (Parent == "plain widget")
        Jumper.setParent(&Plain);

    const QImage Image = Picture(&Jumper);
    const QRgb Expected = PanelColour ? qRgb(0, 0, 255) : ColorToQColor(clBtnFace).rgb();
    QCOMPARE(At(Image, 0, 0), Expected);
    QCOMPARE(At(Image, 33, 17), Expected);
}

void TestTwoJumper::tinySizesDrawSafely_data()
{
    QTest::addColumn<QSize>("Size");
    QTest::addColumn<int>("Orientation");
    QTest::addColumn<bool>("Pins");
    QTest::newRow("zero width") << QSize(0, 18) << int(TTwoJumper::otUp) << false;
    QTest::newRow("zero height turned") << QSize(18, 0) << int(TTwoJumper::otLeft) << false;
    QTest::newRow("one pixel") << QSize(1, 1) << int(TTwoJumper::otDown) << false;
    QTest::newRow("width 8") << QSize(8, 18) << int(TTwoJumper::otUp) << false;
    QTest::newRow("height 2") << QSize(34, 2) << int(TTwoJumper::otUp) << false;
    QTest::newRow("smallest pins") << QSize(4, 12) << int(TTwoJumper::otRight) << true;
}

void TestTwoJumper::tinySizesDrawSafely()
{
    QFETCH(QSize, Size);
    QFETCH(int, Orientation);
    QFETCH(bool, Pins);
    for (bool Closed : {false, true}) {
        TPanelFixture Fixture;
        Fixture.Jumper->resize(Size);
        Fixture.Jumper->SetOrientation(TTwoJumper::TOrientationType(Orientation));
        Fixture.Jumper->SetClosed(Closed);
        const QImage Image = Picture(Fixture.Jumper);
        QCOMPARE(Count(Image, Yellow) > 0, Pins);
    }
}

void TestTwoJumper::clickTogglesBeforeOnClick()
{
    TPanelFixture Fixture;
    TTwoJumper* Jumper = Fixture.Jumper;
    Fixture.Panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fixture.Panel));
    QList<bool> Seen;
    Jumper->OnClick = [&](QObject* Sender) {
        QCOMPARE(Sender, Jumper);
        Seen << Jumper->Closed();
    };

    QTest::mouseClick(Jumper, Qt::LeftButton);
    QTest::mouseClick(Jumper, Qt::LeftButton);
    QCOMPARE(Seen, (QList<bool>{true, false}));
    QCOMPARE(Jumper->Closed(), false);
}

void TestTwoJumper::onlyCompleteLeftClicksCount()
{
    TClickFixture Fixture;
    TTwoJumper* Jumper = Fixture.Jumper;
    QVERIFY(QTest::qWaitForWindowExposed(&Fixture.Panel));

    QTest::mouseClick(Jumper, Qt::RightButton);
    QTest::mousePress(Jumper, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(Jumper, Qt::LeftButton, {}, QPoint(60, 5));
    QCOMPARE(Fixture.Clicks, 0);
    QCOMPARE(Jumper->Closed(), false);
    QCOMPARE(QApplication::focusWidget(), nullptr);
}

void TestTwoJumper::doubleClickTogglesOnce()
{
    TClickFixture Fixture;
    TTwoJumper* Jumper = Fixture.Jumper;
    QVERIFY(QTest::qWaitForWindowExposed(&Fixture.Panel));

    // Through the window, so that the toolkit itself turns the second press into a double click.
    QWindow* Window = Fixture.Panel.windowHandle();
    const QPoint Centre = Jumper->geometry().center();
    QTest::mouseDClick(Window, Qt::LeftButton, {}, Centre);
    QTest::mouseRelease(Window, Qt::LeftButton, {}, Centre);
    QCOMPARE(Fixture.Clicks, 1);
    QCOMPARE(Jumper->Closed(), true);
}

void TestTwoJumper::writesRepaintOnlyOnChange_data()
{
    QTest::addColumn<QByteArray>("Property");
    QTest::addColumn<QVariant>("Current");
    QTest::addColumn<QVariant>("Different");
    QTest::newRow("Closed") << QByteArray("Closed") << QVariant(false) << QVariant(true);
    QTest::newRow("BaseColor") << QByteArray("BaseColor") << QVariant(clGray) << QVariant(clRed);
    QTest::newRow("PinColor") << QByteArray("PinColor") << QVariant(clYellow) << QVariant(clRed);
    QTest::newRow("JumperColor") << QByteArray("JumperColor") << QVariant(clMaroon) << QVariant(clRed);
    QTest::newRow("Orientation") << QByteArray("Orientation") << QVariant("otUp") << QVariant("otDown");
    QTest::newRow("BorderStyle") << QByteArray("BorderStyle") << QVariant("bsSingle") << QVariant("bsNone");
}

void TestTwoJumper::writesRepaintOnlyOnChange()
{
    QFETCH(QByteArray, Property);
    QFETCH(QVariant, Current);
    QFETCH(QVariant, Different);
    TPanelFixture Fixture;
    TPaintCounter Counter(Fixture.Jumper);
    Fixture.Panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fixture.Panel));
    QTRY_VERIFY(Counter.Paints > 0);
    QCoreApplication::processEvents();
    Counter.Paints = 0;

    QVERIFY(Fixture.Jumper->setProperty(Property, Current));
    QCoreApplication::processEvents();
    QCOMPARE(Counter.Paints, 0);

    // A change asks for a repaint; the paint itself comes later, from the event loop.
    QVERIFY(Fixture.Jumper->setProperty(Property, Different));
    QCOMPARE(Counter.Paints, 0);
    QCoreApplication::processEvents();
    QCOMPARE(Counter.Paints, 1);
}

QTEST_MAIN(TestTwoJumper)
#include "tst_twojumper.moc"
