// SPDX-License-Identifier: MIT
#pragma once

#include "Layers.h"

#include <QPointF>
#include <QSize>

// Where the parts sit, in picture pixels. The card's component side fills the picture:
// 3.55 x 3.775 inches at 169 pixels an inch. The jumper blocks are centred on the places
// where the settings program puts its highlight circles.
namespace Layout {

constexpr QSize Picture(600, 639);

// Stack-through bus along the left edge: 2 x 32 outside, 2 x 20 inside, lower end aligned.
constexpr QPointF BusJ1(18.0, 57.5);
constexpr QPointF BusJ2(55.5, 57.5 + 12 * Pitch);

// First pin (upper left) of each jumper block, from the centres of their circles.
constexpr QPointF IrqHeader(106.0 - Pitch / 2, 154.0 - 5 * Pitch);     // 2 x 11
constexpr QPointF AddressHeader(199.5 - Pitch / 2, 131.5 - 3 * Pitch); // 2 x 7, A3 on top
constexpr QPointF FilterHeader(384.0 - 7.5 * Pitch, 336.0 - Pitch / 2); // 16 x 2, IN15 on the left
constexpr QPointF UpgradeHeader1(151.0 - Pitch, 136.5);                 // 3 x 1
constexpr QPointF UpgradeHeader0(160.0 - Pitch, 211.5);                 // 3 x 1

constexpr QPointF Comparator(335.0, 72.0);   // U1, DIP-20
constexpr QPointF Buffer(335.0, 160.0);      // U2, DIP-20
constexpr QPointF Schmitt(300.0, 248.0);     // U3, DIP-14
constexpr QPointF Logic(490.0, 100.0);       // U4, PLCC-44
constexpr QPointF Gate(165.0, 290.0);        // U5, DIP-14

// Optocouplers: two rows of eight; each one's input resistor stands to its left.
constexpr qreal OptoLeft = 150.0;
constexpr qreal OptoPitch = 57.0;
constexpr qreal OptoRowA = 420.0;
constexpr qreal OptoRowB = 505.0;

// The 40-pin input connector along the lower edge.
constexpr QPointF InputHeader(330.0 - 9.5 * Pitch, 584.0);

constexpr QPointF Holes[4] = {{29, 28}, {571, 28}, {29, 611}, {571, 611}};

} // namespace Layout
