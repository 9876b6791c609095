// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

// Shiny surfaces lit from the upper left: tin-plated solder joints and gold pins.

// A round solder joint or pad with a domed highlight.
void DrawTinPad(QPainter& Painter, QPointF Center, qreal Radius);
// A rectangular tin pad for surface-mount parts.
void DrawTinRect(QPainter& Painter, const QRectF& Rect);
// A square pin seen from above, its chamfered tip as four facets around a flat top.
void DrawGoldPin(QPainter& Painter, QPointF Center, qreal HalfSide = 2.9);
// A bent lead (DIP leg, resistor wire) as a bright strip.
void DrawLead(QPainter& Painter, QPointF From, QPointF To, qreal Width);
// Black or coloured moulded plastic: a rounded block with a lit top edge.
void DrawPlastic(QPainter& Painter, const QRectF& Rect, QColor Colour, qreal Corner = 1.5);
