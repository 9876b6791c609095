// SPDX-License-Identifier: MIT
// The RTF reader on any text, read as UTF-8.
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

#include "RtfReader.h"

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts need the application; it lives as long as the process.
    new QGuiApplication(*Argc, *Argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    QTextDocument Document;
    ReadRtf(QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size)), &Document);
    return 0;
}
