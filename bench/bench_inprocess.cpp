// SPDX-License-Identifier: MIT
// The figures measured inside one process, each against its floor on the same data:
// decoding the photograph against a plain libjpeg loop, and the three looks of the card
// page's five circles against copying the same pixels.
//   bench_inprocess [runs]    prints one tab-separated line a figure
#include <QFile>
#include <QApplication>
#include <QTextStream>

#include <chrono>
#include <cstdio>
#include <functional>
#include <jpeglib.h>

#include "Figure.h"
#include "JpegImage.h"
#include "TBoardHighlight.h"

namespace {

double Microseconds(const std::function<void()>& Work, int Repeats)
{
    const auto Start = std::chrono::steady_clock::now();
    for (int Repeat = 0; Repeat < Repeats; ++Repeat)
        Work();
    const std::chrono::duration<double, std::micro> Elapsed = std::chrono::steady_clock::now() - Start;
    return Elapsed.count() / Repeats;
}

// The anchor: libjpeg's own loop, into one buffer of the program's output format.
void PlainDecode(const QByteArray& Data, std::vector<unsigned char>& Buffer)
{
    jpeg_decompress_struct Info;
    jpeg_error_mgr Errors;
    Info.err = jpeg_std_error(&Errors);
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, reinterpret_cast<const unsigned char*>(Data.constData()),
                 static_cast<unsigned long>(Data.size()));
    jpeg_read_header(&Info, TRUE);
    Info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&Info);
    const size_t Stride = size_t(Info.output_width) * 4;
    Buffer.resize(Stride * Info.output_height);
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW Row = Buffer.data() + Stride * Info.output_scanline;
        jpeg_read_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_decompress(&Info);
    jpeg_destroy_decompress(&Info);
}

// The place of each circle of the card page on the photograph.
const QRect Circles[] = {{176, 57, 47, 149}, {85, 60, 42, 188}, {244, 316, 280, 40},
                         {136, 202, 48, 19}, {127, 127, 48, 19}};

} // namespace

int main(int Argc, char** Argv)
{
    // Circles are widgets; this process shows none, and its children inherit no setting.
    int QtArgc = 3;
    char QtName[] = "bench", QtOption[] = "-platform", QtPlatform[] = "offscreen";
    char* QtArgv[] = {QtName, QtOption, QtPlatform, nullptr};
    QApplication Application(QtArgc, QtArgv);
    const int Runs = Argc > 1 ? std::max(1, std::atoi(Argv[1])) : 30;
    QFile Asset(QStringLiteral(BOARD_JPEG));
    if (!Asset.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", BOARD_JPEG);
        return 1;
    }
    const QByteArray Data = Asset.readAll();
    const QImage Photo = DecodeJpeg(Data);

    TFigure Decode{QStringLiteral("decode"),
                   QStringLiteral("decoding the photograph, warm, per decode"),
                   QStringLiteral("ms"), {}, {}, QStringLiteral("<= 1.02x")};
    std::vector<unsigned char> Buffer;
    for (int Run = 0; Run < Runs; ++Run) {
        Decode.Program.push_back(Microseconds([&] { DecodeJpeg(Data); }, 5) / 1000);
        Decode.Anchor.push_back(Microseconds([&] { PlainDecode(Data, Buffer); }, 5) / 1000);
    }

    std::vector<QImage> Unders;
    for (const QRect& Place : Circles)
        Unders.push_back(Photo.copy(Place));
    TBoardHighlight Circle; // the card page's circles are of its default type
    std::vector<QImage> Looks(Unders.size() * 3);
    const auto CopyAll = [&] {
        for (size_t Index = 0; Index < Looks.size(); ++Index) {
            Looks[Index] = Unders[Index / 3];
            Looks[Index].detach();
        }
    };
    const auto PrepareAll = [&] {
        for (size_t Index = 0; Index < Unders.size(); ++Index) {
            QImage* Three = &Looks[Index * 3];
            Three[0] = Unders[Index];
            TBoardHighlight::DrawRing(Three[0], Circle.RingColor(), Circle.IdleStrength(), false);
            Three[1] = Unders[Index];
            TBoardHighlight::DrawRing(Three[1], Circle.RingColor(), Circle.ActiveStrength(), true);
            Three[2] = Unders[Index];
            TBoardHighlight::DrawRing(Three[2], Circle.RingColor(), Circle.LitStrength(), false);
        }
    };
    TFigure Rings{QStringLiteral("looks"), QStringLiteral("the three looks of all five circles"),
                  QStringLiteral("us"), {}, {}, QStringLiteral("<= 300 us")};
    for (int Run = 0; Run < Runs; ++Run) {
        Rings.Program.push_back(Microseconds(PrepareAll, 20));
        Rings.Anchor.push_back(Microseconds(CopyAll, 20));
    }

    QTextStream Out(stdout);
    Out << Decode.Line() << '\n' << Rings.Line() << '\n';
    return 0;
}
