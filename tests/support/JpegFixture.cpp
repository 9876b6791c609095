// SPDX-License-Identifier: MIT
#include "JpegFixture.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

QByteArray EncodeJpeg(const QImage& Picture, int Quality)
{
    const QImage Source = Picture.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct Info;
    jpeg_error_mgr Error;
    Info.err = jpeg_std_error(&Error);
    jpeg_create_compress(&Info);
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;
    jpeg_mem_dest(&Info, &Buffer, &Size);
    Info.image_width = JDIMENSION(Source.width());
    Info.image_height = JDIMENSION(Source.height());
    Info.input_components = 3;
    Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&Info);
    jpeg_set_quality(&Info, Quality, TRUE);
    jpeg_simple_progression(&Info);
    jpeg_start_compress(&Info, TRUE);
    while (Info.next_scanline < Info.image_height) {
        JSAMPROW Row = const_cast<uchar*>(Source.constScanLine(int(Info.next_scanline)));
        jpeg_write_scanlines(&Info, &Row, 1);
    }
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);
    QByteArray Data(reinterpret_cast<const char*>(Buffer), qsizetype(Size));
    std::free(Buffer);
    return Data;
}
