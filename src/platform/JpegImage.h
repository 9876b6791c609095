// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// Decodes baseline or progressive Huffman-coded JPEG data from memory with libjpeg. Corrupt,
// truncated, empty or arithmetic-coded data, and pictures of more than 64 megapixels, give a
// null image; the decoder never ends the process.
QImage DecodeJpeg(const QByteArray& Data);
