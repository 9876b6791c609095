// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// Decodes baseline or progressive JPEG data from memory with libjpeg. Corrupt, truncated or
// empty data gives a null image; the decoder never ends the process.
QImage DecodeJpeg(const QByteArray& Data);
