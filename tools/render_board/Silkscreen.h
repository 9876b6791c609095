// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

// White legend ink printed on the solder mask.

// Text centred on Center, turned by Angle degrees (clockwise), PixelSize high.
void SilkText(QPainter& Painter, QPointF Center, const QString& Text, qreal PixelSize, qreal Angle = 0);
// Text right-aligned to Right, vertically centred on Y.
void SilkTextRight(QPainter& Painter, qreal Right, qreal Y, const QString& Text, qreal PixelSize);
// A part outline.
void SilkOutline(QPainter& Painter, const QRectF& Rect);
void SilkDot(QPainter& Painter, QPointF Center, qreal Radius = 1.6);
