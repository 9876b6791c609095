// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QtGlobal>

// A colour as the card page stores it: 0x00BBGGRR, or negative for a system colour.
using TColor = qint32;

constexpr TColor clBlack = 0;
constexpr TColor clMaroon = 128;
constexpr TColor clRed = 255;
constexpr TColor clYellow = 65535;
constexpr TColor clGray = 8421504;
constexpr TColor clBlue = 16711680;
constexpr TColor clWhite = 16777215;

// System colours: the high bit set, the low byte the system colour index.
constexpr TColor clWindowText = TColor(0x80000008u);
constexpr TColor clBtnFace = TColor(0x8000000Fu);

// Resolves system colours through the application palette.
QColor ColorToQColor(TColor Color);
