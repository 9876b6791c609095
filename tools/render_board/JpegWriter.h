// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// Encodes the picture as the program's photograph is stored: YCbCr with luminance sampled
// 2 x 2, progressive in libjpeg's ten standard scans, JFIF 1.01 at 72 dots per inch.
// Returns empty data if libjpeg reports an error.
QByteArray EncodeProgressiveJpeg(const QImage& Picture, int Quality);
