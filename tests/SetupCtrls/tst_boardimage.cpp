// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QTest>

#include "JpegWriter.h"
#include "Messages.h"
#include "TBoardImage.h"

namespace {

QByteArray PlainJpeg(int Width, int Height, QColor Colour = QColor(20, 120, 40))
{
    QImage Image(Width, Height, QImage::Format_RGB32);
    Image.fill(Colour);
    return EncodeProgressiveJpeg(Image, 95);
}

// Counts the paints that reach the board image.
class TCountingBoardImage : public TBoardImage {
public:
    using TBoardImage::TBoardImage;
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent* Event) override
    {
        ++Paints;
        TBoardImage::paintEvent(Event);
    }
};

} // namespace

class TestBoardImage : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsDefaults();
    void pictureRect_data();
    void pictureRect();
    void autoSizeFollowsPicture();
    void emptyPictureWithAutoSize();
    void centresInParentAtPaint_data();
    void centresInParentAtPaint();
    void keepsDesignedPosition();
    void equalWriteSchedulesNoRepaint();
    void opaqueWhenPictureCovers();
    void rendersRegionOfPicture();
    void startMessageWithoutFirstDoesNothing();
};

void TestBoardImage::startsWithItsDefaults()
{
    TBoardImage Image;
    QCOMPARE(Image.size(), QSize(105, 105));
    QVERIFY(Image.AutoSize());
    QVERIFY(Image.CenterOnForm());
    QVERIFY(Image.Scale());
    QVERIFY(!Image.Stretch());
    QVERIFY(!Image.Center());
    QVERIFY(!Image.Transparent());
    QCOMPARE(Image.AspectRatio(), 1.0);
    QVERIFY(!Image.First());
    QVERIFY(!Image.Menu());
    QVERIFY(!Image.Picture()->HasGraphic());
}

void TestBoardImage::pictureRect_data()
{
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("center");
    QTest::addColumn<QSize>("control");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("stretch") << true << false << QSize(300, 200) << QRect(0, 0, 300, 200);
    QTest::newRow("stretch wins over center") << true << true << QSize(300, 200)
                                              << QRect(0, 0, 300, 200);
    QTest::newRow("center") << false << true << QSize(300, 200) << QRect(50, 37, 200, 125);
    // (101 - 200) div 2 = -49 and (100 - 125) div 2 = -12: rounded toward zero.
    QTest::newRow("center, picture larger") << false << true << QSize(101, 100)
                                            << QRect(-49, -12, 200, 125);
    QTest::newRow("plain") << false << false << QSize(300, 200) << QRect(0, 0, 200, 125);
}

void TestBoardImage::pictureRect()
{
    QFETCH(bool, stretch);
    QFETCH(bool, center);
    QFETCH(QSize, control);
    QFETCH(QRect, expected);
    TBoardImage Image;
    Image.SetAutoSize(false);
    Image.resize(control);
    Image.Picture()->LoadFromJpeg(PlainJpeg(200, 125));
    Image.SetStretch(stretch);
    Image.SetCenter(center);
    QCOMPARE(Image.PictureRect(), expected);
}

void TestBoardImage::autoSizeFollowsPicture()
{
    TBoardImage Image;
    Image.move(7, 9);
    Image.Picture()->LoadFromJpeg(PlainJpeg(120, 90));
    QCOMPARE(Image.geometry(), QRect(7, 9, 120, 90));
    QCOMPARE(Image.AspectRatio(), 0.75);

    TBoardImage Fixed;
    Fixed.SetAutoSize(false);
    Fixed.Picture()->LoadFromJpeg(PlainJpeg(120, 90));
    QCOMPARE(Fixed.size(), QSize(105, 105));
}

void TestBoardImage::emptyPictureWithAutoSize()
{
    TBoardImage Image;
    Image.SetCenter(true); // runs the picture-change handling with no picture
    QCOMPARE(Image.size(), QSize(105, 105));
    QCOMPARE(Image.AspectRatio(), 1.0);
    int Width = 50, Height = 60;
    QVERIFY(Image.CanAutoSize(Width, Height));
    QCOMPARE(QSize(Width, Height), QSize(0, 0));
    Image.Picture()->LoadFromJpeg(QByteArray("broken"));
    QCOMPARE(Image.size(), QSize(105, 105));
}

void TestBoardImage::centresInParentAtPaint_data()
{
    QTest::addColumn<int>("parentWidth");
    QTest::addColumn<int>("expectedLeft");
    QTest::newRow("599") << 599 << 0;
    QTest::newRow("597") << 597 << -1;
    QTest::newRow("1000") << 1000 << 200;
}

void TestBoardImage::centresInParentAtPaint()
{
    QFETCH(int, parentWidth);
    QFETCH(int, expectedLeft);
    // A plain child as parent: a window's outer size would add its frame.
    QWidget Window;
    Window.resize(1200, 900);
    QWidget Parent(&Window);
    Parent.resize(parentWidth, 700);
    TBoardImage Image(&Parent);
    Image.SetAutoSize(false);
    Image.setGeometry(222, 42, 600, 639);
    Image.Picture()->LoadFromJpeg(PlainJpeg(600, 639));
    QCOMPARE(Image.x(), 222); // nothing moves before the first paint
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    QTRY_COMPARE(Image.x(), expectedLeft);
    QCOMPARE(Image.y(), (700 - 639) / 2);
}

void TestBoardImage::keepsDesignedPosition()
{
    QWidget Window;
    Window.resize(1200, 900);
    QWidget Parent(&Window);
    Parent.resize(1000, 800);
    TBoardImage Image(&Parent);
    Image.SetAutoSize(false);
    Image.setGeometry(222, 42, 600, 639);
    Image.Picture()->LoadFromJpeg(PlainJpeg(600, 639));
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    QTRY_COMPARE(Image.pos(), QPoint(200, 80));
    Parent.resize(900, 700);
    // Resizing alone does not centre; the next paint does.
    Image.update();
    QTRY_COMPARE(Image.pos(), QPoint(150, 30));
    QCOMPARE(Image.DesignLeft(), 222);
    QCOMPARE(Image.DesignTop(), 42);
}

void TestBoardImage::equalWriteSchedulesNoRepaint()
{
    QWidget Parent;
    Parent.resize(640, 680);
    TCountingBoardImage Image(&Parent);
    Image.SetAutoSize(false);
    Image.resize(600, 639);
    Image.Picture()->LoadFromJpeg(PlainJpeg(600, 639));
    Parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Parent));
    QTRY_VERIFY(Image.Paints > 0);
    QTest::qWait(20);
    Image.Paints = 0;
    Image.SetStretch(false);
    Image.SetCenter(false);
    QTest::qWait(50);
    QCOMPARE(Image.Paints, 0);
    Image.SetStretch(true);
    QTRY_VERIFY(Image.Paints > 0);
    QVERIFY(!Image.Painting());
}

void TestBoardImage::opaqueWhenPictureCovers()
{
    TBoardImage Image;
    Image.SetAutoSize(false);
    Image.resize(600, 639);
    Image.Picture()->LoadFromJpeg(PlainJpeg(300, 300));
    QVERIFY(!Image.testAttribute(Qt::WA_OpaquePaintEvent));
    Image.SetStretch(true);
    QVERIFY(Image.testAttribute(Qt::WA_OpaquePaintEvent));
    Image.SetStretch(false);
    Image.Picture()->LoadFromJpeg(PlainJpeg(600, 639));
    QVERIFY(Image.testAttribute(Qt::WA_OpaquePaintEvent));
    Image.SetTransparent(true);
    QVERIFY(!Image.testAttribute(Qt::WA_OpaquePaintEvent));
}

void TestBoardImage::rendersRegionOfPicture()
{
    QImage Source(100, 80, QImage::Format_RGB32);
    Source.fill(QColor(0, 0, 200));
    for (int Y = 40; Y < 80; ++Y)
        for (int X = 50; X < 100; ++X)
            Source.setPixel(X, Y, qRgb(200, 0, 0));
    TBoardImage Image;
    Image.Picture()->LoadFromJpeg(EncodeProgressiveJpeg(Source, 100));
    const QImage Region = Image.RenderRegion(QRect(40, 30, 20, 20));
    QCOMPARE(Region.size(), QSize(20, 20));
    QVERIFY(qBlue(Region.pixel(2, 2)) > 150);   // picture (42, 32)
    QVERIFY(qRed(Region.pixel(17, 17)) > 150);  // picture (57, 47)
}

void TestBoardImage::startMessageWithoutFirstDoesNothing()
{
    TBoardImage Image;
    TMessageEvent Start(WM_BOARDSTART);
    QVERIFY(QApplication::sendEvent(&Image, &Start));
    QVERIFY(!Image.First());
}

QTEST_MAIN(TestBoardImage)
#include "tst_boardimage.moc"
