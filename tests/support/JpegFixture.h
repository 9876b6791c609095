// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// Encodes a picture as progressive JPEG data with libjpeg, for tests that need a photograph.
QByteArray EncodeJpeg(const QImage& Picture, int Quality = 95);
