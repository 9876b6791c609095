// SPDX-License-Identifier: MIT
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "Anchors.h"
#include "Application.h"
#include "Colors.h"
#include "Guard.h"
#include "JpegWriter.h"
#include "JpegImage.h"
#include "Rounding.h"
#include "WaitIdle.h"

namespace {

// A horizontal grey ramp.
QByteArray MakeJpeg(int Width, int Height)
{
    QImage Ramp(Width, Height, QImage::Format_RGB32);
    for (int X = 0; X < Width; ++X)
        for (int Y = 0; Y < Height; ++Y) {
            const int Level = X * 255 / (Width - 1);
            Ramp.setPixel(X, Y, qRgb(Level, Level, Level));
        }
    return EncodeProgressiveJpeg(Ramp, 95);
}

// The same ramp, sequential and arithmetic-coded, as another encoder could write it.
QByteArray MakeArithmeticJpeg(int Width, int Height)
{
    jpeg_compress_struct Info;
    jpeg_error_mgr Errors;
    Info.err = jpeg_std_error(&Errors);
    jpeg_create_compress(&Info);
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;
    jpeg_mem_dest(&Info, &Buffer, &Size);
    Info.image_width = JDIMENSION(Width);
    Info.image_height = JDIMENSION(Height);
    Info.input_components = 1;
    Info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&Info);
    Info.arith_code = TRUE;
    jpeg_start_compress(&Info, TRUE);
    QByteArray Row(Width, '\0');
    for (int X = 0; X < Width; ++X)
        Row[X] = char(X * 255 / (Width - 1));
    while (Info.next_scanline < Info.image_height) {
        JSAMPROW Line = reinterpret_cast<JSAMPROW>(Row.data());
        jpeg_write_scanlines(&Info, &Line, 1);
    }
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);
    const QByteArray Data(reinterpret_cast<const char*>(Buffer), qsizetype(Size));
    std::free(Buffer);
    return Data;
}

// Its event handler fails, as a faulty handler would, under the guard of every entry.
class TThrowingObject : public QObject {
public:
    bool event(QEvent* Event) override
    {
        if (Event->type() != QEvent::User)
            return QObject::event(Event);
        Guarded([] { throw std::runtime_error("Handler failed"); });
        return true;
    }
};

// Counts its paints.
class TPaintCounter : public QWidget {
public:
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++Paints; }
};

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void roundsHalfToEven_data();
    void roundsHalfToEven();
    void resolvesColours();
    void decodesJpeg();
    void rejectsBadJpeg_data();
    void rejectsBadJpeg();
    void anchorsFollowParent_data();
    void anchorsFollowParent();
    void anchorsFollowHiddenParentOnShow();
    void errorInHandlerIsShownAndProgramGoesOn();
    void idleEventSeesApplicationAndDoneFlag();
    void idleEventWaitsForShownWindowsFirstPaint();
};

void TestPlatform::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<long long>("expected");
    QTest::newRow("4.5") << 4.5 << 4LL;
    QTest::newRow("3.5") << 3.5 << 4LL;
    QTest::newRow("-2.5") << -2.5 << -2LL;
    QTest::newRow("-3.5") << -3.5 << -4LL;
    QTest::newRow("2.4999") << 2.4999 << 2LL;
    QTest::newRow("2.5001") << 2.5001 << 3LL;
    QTest::newRow("-0.4") << -0.4 << 0LL;
    QTest::newRow("0.5") << 0.5 << 0LL;
    QTest::newRow("-0.5") << -0.5 << 0LL;
    QTest::newRow("-1.5") << -1.5 << -2LL;
    QTest::newRow("-2.6") << -2.6 << -3LL;
    QTest::newRow("-7") << -7.0 << -7LL;
    QTest::newRow("even half, large") << 1e15 + 0.5 << 1000000000000000LL;
    QTest::newRow("odd half, large") << 1e15 + 1.5 << 1000000000000002LL;
}

void TestPlatform::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(long long, expected);
    QCOMPARE(RoundHalfEven(value), expected);
}

void TestPlatform::resolvesColours()
{
    QCOMPARE(clBtnFace, -2147483633);
    QCOMPARE(ColorToQColor(clBtnFace), QApplication::palette().color(QPalette::Button));
    QCOMPARE(ColorToQColor(clWindowText), QApplication::palette().color(QPalette::WindowText));
    QCOMPARE(ColorToQColor(clMaroon), QColor(128, 0, 0));
    QCOMPARE(ColorToQColor(clBlue), QColor(0, 0, 255));
    QCOMPARE(ColorToQColor(clYellow), QColor(255, 255, 0));
}

void TestPlatform::decodesJpeg()
{
    const QImage Image = DecodeJpeg(MakeJpeg(64, 16));
    QCOMPARE(Image.size(), QSize(64, 16));
    QVERIFY(qAbs(qRed(Image.pixel(0, 8))) <= 4);
    QVERIFY(qAbs(qRed(Image.pixel(63, 8)) - 255) <= 4);
    QVERIFY(qAbs(qGreen(Image.pixel(32, 8)) - 129) <= 6);
}

void TestPlatform::rejectsBadJpeg_data()
{
    const QByteArray Good = MakeJpeg(64, 64);
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a JPEG") << QByteArray("GIF89a this is not a picture at all");
    QTest::newRow("header only") << Good.left(200);
    QTest::newRow("truncated") << Good.left(Good.size() / 2);
    QByteArray Zeroed = Good;
    // Overwrite the picture's width and height in its frame header.
    const qsizetype Frame = Zeroed.indexOf("\xFF\xC2");
    QVERIFY(Frame > 0);
    Zeroed.replace(Frame + 5, 4, QByteArray(4, '\0'));
    QTest::newRow("zero size") << Zeroed;
    QByteArray Huge = Good;
    Huge.replace(Frame + 5, 4, QByteArray("\xFF\xF0\xFF\xF0", 4));
    QTest::newRow("huge size") << Huge;
    // One pixel more than 64 megapixels: refused from the header.
    QByteArray OverLimit = Good;
    OverLimit.replace(Frame + 5, 4, QByteArray("\x20\x00\x20\x01", 4));
    QTest::newRow("over 64 megapixels") << OverLimit;
    // Arithmetic decoding reads a marker as zeros, so data cut short and closed with an end
    // marker would decode as a picture; such data is refused whole.
    const QByteArray Arithmetic = MakeArithmeticJpeg(64, 64);
    QVERIFY(Arithmetic.startsWith("\xFF\xD8") && Arithmetic.contains("\xFF\xC9"));
    QTest::newRow("arithmetic-coded") << Arithmetic;
    QTest::newRow("arithmetic-coded, cut short and closed")
        << Arithmetic.left(Arithmetic.size() / 2) + QByteArray("\xFF\xD9", 2);
    QTest::newRow("cut short and closed") << Good.left(Good.size() / 2) + QByteArray("\xFF\xD9", 2);
}

void TestPlatform::rejectsBadJpeg()
{
    QFETCH(QByteArray, data);
    QVERIFY(DecodeJpeg(data).isNull());
}

void TestPlatform::anchorsFollowParent_data()
{
    QTest::addColumn<int>("anchors");
    QTest::addColumn<QRect>("expected");
    // Parent 200 x 100 grows to 300 x 150; the control starts at (20, 10, 40 x 20).
    QTest::newRow("left top") << int(akLeft | akTop) << QRect(20, 10, 40, 20);
    QTest::newRow("all four") << int(akLeft | akTop | akRight | akBottom) << QRect(20, 10, 140, 70);
    QTest::newRow("right bottom") << int(akRight | akBottom) << QRect(120, 60, 40, 20);
    QTest::newRow("bottom only") << int(akBottom) << QRect(40, 60, 40, 20);
}

void TestPlatform::anchorsFollowParent()
{
    QFETCH(int, anchors);
    QFETCH(QRect, expected);
    QWidget Parent;
    Parent.resize(200, 100);
    QWidget Control(&Parent);
    Control.setGeometry(20, 10, 40, 20);
    SetAnchors(&Control, TAnchors(anchors));
    Parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Parent));
    Parent.resize(300, 150);
    QTRY_COMPARE(Control.geometry(), expected);
    QCOMPARE(int(Anchors(&Control)), anchors);
}

void TestPlatform::anchorsFollowHiddenParentOnShow()
{
    QWidget Parent;
    Parent.resize(200, 100);
    QWidget Control(&Parent);
    Control.setGeometry(20, 10, 40, 20);
    SetAnchors(&Control, akLeft | akTop | akRight | akBottom);
    Parent.resize(250, 120);
    Parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Parent));
    QTRY_COMPARE(Control.geometry(), QRect(20, 10, 90, 40));
}

void TestPlatform::errorInHandlerIsShownAndProgramGoesOn()
{
    QString Shown;
    QTimer Closer;
    connect(&Closer, &QTimer::timeout, [&] {
        if (auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Shown = Box->text();
            Box->accept();
        }
    });
    Closer.start(20);
    TThrowingObject Faulty;
    QCoreApplication::postEvent(&Faulty, new QEvent(QEvent::User));
    QTRY_COMPARE(Shown, QStringLiteral("Handler failed"));

    // The loop carries on with the next message.
    bool Delivered = false;
    QTimer::singleShot(0, [&] { Delivered = true; });
    QTRY_VERIFY(Delivered);
}

void TestPlatform::idleEventSeesApplicationAndDoneFlag()
{
    TApplication* Application = TApplication::Instance();
    QVERIFY(Application);
    int Calls = 0;
    QObject* Sender = nullptr;
    bool DoneOnEntry = false;
    Application->OnIdle = [&](QObject* From, bool& Done) {
        ++Calls;
        Sender = From;
        DoneOnEntry = Done;
        Application->OnIdle = nullptr; // unhooking from inside the handler is allowed
    };
    // Only a loop that waits for messages goes idle.
    WaitIdle(50);
    WaitIdle(50);
    QCOMPARE(Calls, 1);
    QCOMPARE(Sender, Application);
    QVERIFY(DoneOnEntry);
}

void TestPlatform::idleEventWaitsForShownWindowsFirstPaint()
{
    TApplication* Application = TApplication::Instance();
    QVERIFY(Application);
    TPaintCounter Window;
    int Calls = 0;
    int PaintsAtIdle = -1;
    Application->OnIdle = [&](QObject*, bool&) {
        ++Calls;
        PaintsAtIdle = Window.Paints;
        Application->OnIdle = nullptr;
    };
    Window.show();
    for (int Wait = 0; Wait < 100 && Calls == 0; ++Wait)
        WaitIdle(20);
    QCOMPARE(Calls, 1);
    QVERIFY(PaintsAtIdle > 0);
}

int main(int Argc, char** Argv)
{
    TApplication Application(Argc, Argv);
    TestPlatform Test;
    return QTest::qExec(&Test, Argc, Argv);
}

#include "tst_platform.moc"
