// SPDX-License-Identifier: MIT
// The JPEG decoder on any bytes: it returns a picture within the size limit or none.
#include <cstddef>
#include <cstdint>

#include "JpegImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QImage Image =
        DecodeJpeg(QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    if (!Image.isNull() && qint64(Image.width()) * Image.height() > 64ll * 1024 * 1024)
        __builtin_trap();
    return 0;
}
