// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QPointF>

// Pitch of pin headers and DIP packages: 0.1 inch in picture pixels.
constexpr qreal Pitch = 16.9;

// The pin Column, Row cells away from FirstPin.
inline QPointF PinAt(QPointF FirstPin, int Column, int Row)
{
    return FirstPin + QPointF(Column * Pitch, Row * Pitch);
}

// The picture is painted in three layers so that parts can cast shadows of their own height
// onto the board: the bare board (mask, copper, pads, silkscreen), low parts lying flat on it,
// and tall parts (connectors, headers, capacitors).
struct TLayers {
    QPainter& Board;
    QPainter& Low;
    QPainter& Tall;
};
