// SPDX-License-Identifier: MIT
#include "JpegImage.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// Pictures of more pixels than this (256 MB decoded) are refused before anything of their
// size is allocated; the photograph fits many times over.
constexpr quint64 MaxPixels = 64ull * 1024 * 1024;

struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Escape;
};

// libjpeg's own handler ends the process; this one returns to the decoder instead.
[[noreturn]] void FailDecode(j_common_ptr Info)
{
    std::longjmp(reinterpret_cast<TJpegError*>(Info->err)->Escape, 1);
}

// Warnings (premature end of data, corrupt entropy data) mean a damaged picture.
void WarnDecode(j_common_ptr Info, int Level)
{
    if (Level < 0)
        FailDecode(Info);
}

// Kept free of C++ objects with destructors, so that the long jump skips none.
bool DecodeInto(const unsigned char* Bytes, unsigned long Size, QImage* Image)
{
    jpeg_decompress_struct Info;
    TJpegError Error;
    Info.err = jpeg_std_error(&Error.Manager);
    Error.Manager.error_exit = FailDecode;
    Error.Manager.emit_message = WarnDecode;
    if (setjmp(Error.Escape)) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, Bytes, Size);
    jpeg_read_header(&Info, TRUE);
    // Arithmetic decoding supplies zeros at a marker by design, so a scan cut short there
    // cannot be told from a complete one: such pictures are refused as possibly damaged.
    if (Info.image_width == 0 || Info.image_height == 0
        || quint64(Info.image_width) * Info.image_height > MaxPixels || Info.num_components > 3
        || Info.arith_code) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    Info.out_color_space = JCS_EXT_BGRX; // the byte order of QImage::Format_RGB32
    jpeg_start_decompress(&Info);
    *Image = QImage(int(Info.output_width), int(Info.output_height), QImage::Format_RGB32);
    if (Image->isNull()) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW Row = Image->scanLine(int(Info.output_scanline));
        jpeg_read_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_decompress(&Info);
    jpeg_destroy_decompress(&Info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& Data)
{
    if (Data.isEmpty())
        return {};
    QImage Image;
    if (!DecodeInto(reinterpret_cast<const unsigned char*>(Data.constData()),
                    static_cast<unsigned long>(Data.size()), &Image))
        return {};
    return Image;
}
