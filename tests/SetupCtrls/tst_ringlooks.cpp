// SPDX-License-Identifier: MIT
// The three looks of a circle, byte for byte as recorded: the ring arithmetic may be made
// faster, but no pixel of any look may change.
#include <QCryptographicHash>
#include <QFile>
#include <QTest>

#include "JpegImage.h"
#include "TBoardHighlight.h"

namespace {

// Every value of every byte in every position of the ring: red follows x, green follows
// y, blue their sum, so that each byte meets each weight of the ring somewhere.
QImage AllBytes(int Width, int Height)
{
    QImage Image(Width, Height, QImage::Format_RGB32);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            Image.setPixel(X, Y, qRgb(X & 0xFF, Y & 0xFF, (X + Y) & 0xFF));
    return Image;
}

QImage Photograph()
{
    QFile File(QStringLiteral(BOARD_JPEG));
    return File.open(QIODevice::ReadOnly) ? DecodeJpeg(File.readAll()) : QImage();
}

// The idle, lit and active looks of a circle of Type over Under, hashed in that order.
QByteArray LooksHash(const QImage& Under, TBoardHighlight::THighlightType Type)
{
    TBoardHighlight Circle;
    Circle.SetHighlightType(Type);
    QCryptographicHash Hash(QCryptographicHash::Sha1);
    const std::tuple<float, bool> Looks[] = {{Circle.IdleStrength(), false},
                                             {Circle.LitStrength(), false},
                                             {Circle.ActiveStrength(), true}};
    for (const auto& [Strength, Emphasised] : Looks) {
        QImage Look = Under;
        TBoardHighlight::DrawRing(Look, Circle.RingColor(), Strength, Emphasised);
        for (int Y = 0; Y < Look.height(); ++Y)
            Hash.addData(QByteArrayView(Look.constScanLine(Y), Look.width() * 4));
    }
    return Hash.result().toHex();
}

} // namespace

class TestRingLooks : public QObject {
    Q_OBJECT

private slots:
    void looksAsRecorded_data();
    void looksAsRecorded();
};

void TestRingLooks::looksAsRecorded_data()
{
    QTest::addColumn<QImage>("Under");
    QTest::addColumn<TBoardHighlight::THighlightType>("Type");
    QTest::addColumn<QByteArray>("Expected");

    const QImage Photo = Photograph();
    QVERIFY(!Photo.isNull());
    // The five circles of the card page over the photograph, in its own yellow.
    const struct {
        const char* Name;
        QRect Place;
        const char* Hash;
    } Circles[] = {
        {"base address", {176, 57, 47, 149}, "ada55dda083b8fc19a9b6b7fbdbf123add661926"},
        {"irq level", {85, 60, 42, 188}, "97e1610d7b64c330290ec8b6bddc228fc73b398c"},
        {"filters", {244, 316, 280, 40}, "e1cf4b5847066fe977cdeb03ecab7457d77d1432"},
        {"upgrade 0", {136, 202, 48, 19}, "ae28b4dee7b69d86301da930b70f725caa1e9b66"},
        {"upgrade 1", {127, 127, 48, 19}, "ea83c8dcddf778f73ccb8a53597aaee9c81c4151"},
    };
    for (const auto& Circle : Circles)
        QTest::newRow(Circle.Name) << Photo.copy(Circle.Place) << TBoardHighlight::htSettings
                                   << QByteArray(Circle.Hash);

    // Every byte value under rings of every type, even and odd sizes, and the smallest.
    const struct {
        const char* Name;
        QSize Size;
        TBoardHighlight::THighlightType Type;
        const char* Hash;
    } Synthetic[] = {
        {"options 256x256", {256, 256}, TBoardHighlight::htOptions, "fdb19db828f175c647a81a0b3b59b30a6c0ddad0"},
        {"settings 256x256", {256, 256}, TBoardHighlight::htSettings, "4856cb53017b69ebf006b4a7b865922e4111c7be"},
        {"calibration 256x256", {256, 256}, TBoardHighlight::htCalibration, "8f72b36d74367b9a8d79a9c69dc6243e349d441e"},
        {"options 257x255", {257, 255}, TBoardHighlight::htOptions, "2e90c2d00c22e001b0d544f5ebb5cbd62ebd2108"},
        {"settings 257x255", {257, 255}, TBoardHighlight::htSettings, "e63b4a703d1089d88bf4aca9e347bc0c200661aa"},
        {"calibration 257x255", {257, 255}, TBoardHighlight::htCalibration, "ef94aa353445207d55a0527ea479a9d5d78e7fd8"},
        {"settings 511x33", {511, 33}, TBoardHighlight::htSettings, "e0b0601459a189278f7c272e7d7eecf917ce342d"},
        {"settings 2x2", {2, 2}, TBoardHighlight::htSettings, "781523edd72d9398662169be91debbad5bd83616"},
        {"settings 3x3", {3, 3}, TBoardHighlight::htSettings, "2fa0ea0d1ced9e4de702a7bcbd177a1b9fbe07bc"},
        {"settings 5x2", {5, 2}, TBoardHighlight::htSettings, "5def2188d41b68e8c12c46fe1fce6b4ae72f018e"},
    };
    for (const auto& Case : Synthetic)
        QTest::newRow(Case.Name) << AllBytes(Case.Size.width(), Case.Size.height()) << Case.Type
                                 << QByteArray(Case.Hash);
}

void TestRingLooks::looksAsRecorded()
{
    QFETCH(QImage, Under);
    QFETCH(TBoardHighlight::THighlightType, Type);
    QFETCH(QByteArray, Expected);
    QCOMPARE(LooksHash(Under, Type), Expected);
}

QTEST_MAIN(TestRingLooks)
#include "tst_ringlooks.moc"
