// SPDX-License-Identifier: MIT
// Re-render the board photograph: cmake --build <build> --target render_board &&
//   <build>/tools/render_board/render_board assets/board.jpg
#include "BoardRenderer.h"
#include "JpegWriter.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Chosen so that the file comes out near the size of the photograph it stands in for.
constexpr int Quality = 92;

} // namespace

int main(int argc, char* argv[])
{
    // Text needs a GUI application but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication Application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_board <output.jpg>\n");
        return 2;
    }
    const QByteArray Data = EncodeProgressiveJpeg(RenderBoard(), Quality);
    QFile File(QString::fromLocal8Bit(argv[1]));
    if (Data.isEmpty() || !File.open(QIODevice::WriteOnly) || File.write(Data) != Data.size()) {
        std::fprintf(stderr, "render_board: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %lld bytes at quality %d\n", argv[1], static_cast<long long>(Data.size()), Quality);
    return 0;
}
