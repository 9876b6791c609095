// SPDX-License-Identifier: MIT
#include "JpegWriter.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Escape;
};

// libjpeg's own handler ends the process; this one returns to the encoder instead.
[[noreturn]] void FailEncode(j_common_ptr Info)
{
    std::longjmp(reinterpret_cast<TJpegError*>(Info->err)->Escape, 1);
}

void SetUpStream(jpeg_compress_struct& Info, int Width, int Height, int Quality)
{
    Info.image_width = JDIMENSION(Width);
    Info.image_height = JDIMENSION(Height);
    Info.input_components = 4;
    Info.in_color_space = JCS_EXT_BGRX; // the byte order of QImage::Format_RGB32, 4 bytes a pixel
    // The defaults are YCbCr with luminance sampled 2 x 2 and a JFIF 1.01 header.
    jpeg_set_defaults(&Info);
    jpeg_set_quality(&Info, Quality, TRUE);
    jpeg_simple_progression(&Info);
    Info.density_unit = 1; // dots per inch
    Info.X_density = 72;
    Info.Y_density = 72;
}

// Kept free of C++ objects with destructors, so that the long jump skips none.
bool EncodeInto(const QImage& Picture, int Quality, unsigned char** Bytes, unsigned long* Size)
{
    jpeg_compress_struct Info;
    TJpegError Error;
    Info.err = jpeg_std_error(&Error.Manager);
    Error.Manager.error_exit = FailEncode;
    if (setjmp(Error.Escape)) {
        jpeg_destroy_compress(&Info);
        return false;
    }
    jpeg_create_compress(&Info);
    jpeg_mem_dest(&Info, Bytes, Size);
    SetUpStream(Info, Picture.width(), Picture.height(), Quality);
    jpeg_start_compress(&Info, TRUE);
    while (Info.next_scanline < Info.image_height) {
        JSAMPROW Row = const_cast<JSAMPROW>(Picture.constScanLine(int(Info.next_scanline)));
        jpeg_write_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);
    return true;
}

} // namespace

QByteArray EncodeProgressiveJpeg(const QImage& Picture, int Quality)
{
    const QImage Pixels = Picture.convertToFormat(QImage::Format_RGB32);
    if (Pixels.isNull())
        return {};
    unsigned char* Bytes = nullptr;
    unsigned long Size = 0;
    const bool Done = EncodeInto(Pixels, Quality, &Bytes, &Size);
    QByteArray Data;
    if (Done)
        Data = QByteArray(reinterpret_cast<const char*>(Bytes), qsizetype(Size));
    std::free(Bytes);
    return Data;
}
