// SPDX-License-Identifier: MIT
#pragma once

#include "Layers.h"

#include <QColor>
#include <QPointF>

// Pin (column c, row r) of every connector below lies at FirstPin + (c, r) * Pitch.

// A male pin header: one black plastic base under Columns x Rows gold pins.
void DrawPinHeader(TLayers& Layers, QPointF FirstPin, int Columns, int Rows);
// A jumper shunt pushed onto the two pins A and B (neighbours in a row or a column).
void DrawShunt(TLayers& Layers, QPointF PinA, QPointF PinB, QColor Plastic);
// A stack-through bus socket: a tall plastic body with a funnelled opening per pin.
void DrawBusSocket(TLayers& Layers, QPointF FirstPin, int Columns, int Rows);
// A shrouded box header, horizontal, two rows of PinPairs pins, key slot on the lower wall.
void DrawBoxHeader(TLayers& Layers, QPointF FirstPin, int PinPairs);
// A plated mounting hole with the bare board's edge showing through.
void DrawMountingHole(TLayers& Layers, QPointF Center);
