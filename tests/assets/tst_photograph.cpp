// SPDX-License-Identifier: MIT
#include "JpegImage.h"

#include <QFile>
#include <QTest>

// The board photograph compiled into the program: its stream format, read from the
// markers, and that the program's own decoder reads it.
class TPhotographTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void streamFormat();
    void decodes();

private:
    struct TSegment {
        quint8 Marker = 0;
        QByteArray Body; // without the marker and the length field
    };
    // The marker segments in stream order, up to the end of image; scan data skipped.
    static QList<TSegment> Segments(const QByteArray& Data);

    QByteArray FData;
};

QList<TPhotographTest::TSegment> TPhotographTest::Segments(const QByteArray& Data)
{
    QList<TSegment> Result;
    const auto Byte = [&](qsizetype I) { return quint8(Data.at(I)); };
    qsizetype I = 2; // after SOI
    while (I + 1 < Data.size()) {
        if (Byte(I) != 0xFF)
            return {}; // not at a marker: a broken stream
        const quint8 Marker = Byte(I + 1);
        I += 2;
        if (Marker == 0xD9) {
            Result.append(TSegment{Marker, {}});
            break;
        }
        if (Marker == 0xFF) {
            --I; // fill byte
            continue;
        }
        if (I + 1 >= Data.size())
            return {};
        const int Length = Byte(I) << 8 | Byte(I + 1);
        if (Length < 2 || I + Length > Data.size())
            return {};
        Result.append(TSegment{Marker, Data.mid(I + 2, Length - 2)});
        I += Length;
        if (Marker == 0xDA) {
            // Entropy-coded data runs to the next marker that is not stuffing or a restart.
            while (I + 1 < Data.size()
                   && !(Byte(I) == 0xFF && Byte(I + 1) != 0x00 && (Byte(I + 1) < 0xD0 || Byte(I + 1) > 0xD7)))
                ++I;
        }
    }
    return Result;
}

void TPhotographTest::initTestCase()
{
    QFile File(QStringLiteral(BOARD_JPEG));
    QVERIFY2(File.open(QIODevice::ReadOnly), BOARD_JPEG);
    FData = File.readAll();
}

void TPhotographTest::streamFormat()
{
    QVERIFY(FData.size() >= 120000);
    QVERIFY(FData.size() <= 136000);
    QVERIFY(FData.startsWith("\xFF\xD8"));
    const QList<TSegment> All = Segments(FData);
    QVERIFY(!All.isEmpty());
    QCOMPARE(All.last().Marker, quint8(0xD9));

    const TSegment& First = All.first();
    QCOMPARE(First.Marker, quint8(0xE0));
    QVERIFY(First.Body.size() >= 14);
    QCOMPARE(First.Body.left(5), QByteArray("JFIF\0", 5));
    QCOMPARE(quint8(First.Body[5]), quint8(1)); // version 1.01
    QCOMPARE(quint8(First.Body[6]), quint8(1));
    QCOMPARE(quint8(First.Body[7]), quint8(1)); // dots per inch
    QCOMPARE(quint8(First.Body[8]) << 8 | quint8(First.Body[9]), 72);
    QCOMPARE(quint8(First.Body[10]) << 8 | quint8(First.Body[11]), 72);

    int Frames = 0;
    int Scans = 0;
    for (const TSegment& Segment : All) {
        QVERIFY2(Segment.Marker != 0xC0 && Segment.Marker != 0xC1, "a sequential frame");
        if (Segment.Marker == 0xDA)
            ++Scans;
        if (Segment.Marker != 0xC2)
            continue;
        ++Frames;
        const QByteArray& Frame = Segment.Body;
        QCOMPARE(Frame.size(), 6 + 3 * 3);
        QCOMPARE(quint8(Frame[0]), quint8(8));
        QCOMPARE(quint8(Frame[1]) << 8 | quint8(Frame[2]), 639);
        QCOMPARE(quint8(Frame[3]) << 8 | quint8(Frame[4]), 600);
        QCOMPARE(quint8(Frame[5]), quint8(3));
        QCOMPARE(quint8(Frame[7]), quint8(0x22)); // luminance 2 x 2
        QCOMPARE(quint8(Frame[10]), quint8(0x11));
        QCOMPARE(quint8(Frame[13]), quint8(0x11));
    }
    QCOMPARE(Frames, 1);
    QCOMPARE(Scans, 10);
}

void TPhotographTest::decodes()
{
    const QImage Image = DecodeJpeg(FData);
    QVERIFY(!Image.isNull());
    QCOMPARE(Image.size(), QSize(600, 639));
}

QTEST_APPLESS_MAIN(TPhotographTest)
#include "tst_photograph.moc"
