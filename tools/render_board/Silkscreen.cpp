// SPDX-License-Identifier: MIT
#include "Silkscreen.h"

#include <QFont>
#include <QFontMetricsF>

namespace {

const QColor Ink(222, 228, 214);

QFont LegendFont(qreal PixelSize)
{
    QFont Font("DejaVu Sans Condensed");
    Font.setPixelSize(qMax(1, qRound(PixelSize)));
    Font.setBold(true);
    Font.setHintingPreference(QFont::PreferNoHinting);
    return Font;
}

} // namespace

void SilkText(QPainter& Painter, QPointF Center, const QString& Text, qreal PixelSize, qreal Angle)
{
    const QFont Font = LegendFont(PixelSize);
    const QFontMetricsF Metrics(Font);
    Painter.save();
    Painter.translate(Center);
    Painter.rotate(Angle);
    Painter.setFont(Font);
    Painter.setPen(Ink);
    const qreal Width = Metrics.horizontalAdvance(Text);
    Painter.drawText(QPointF(-Width / 2, (Metrics.ascent() - Metrics.descent()) / 2), Text);
    Painter.restore();
}

void SilkTextRight(QPainter& Painter, qreal Right, qreal Y, const QString& Text, qreal PixelSize)
{
    const QFont Font = LegendFont(PixelSize);
    const QFontMetricsF Metrics(Font);
    SilkText(Painter, QPointF(Right - Metrics.horizontalAdvance(Text) / 2, Y), Text, PixelSize);
}

void SilkOutline(QPainter& Painter, const QRectF& Rect)
{
    Painter.setPen(QPen(Ink, 1.1));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(Rect);
}

void SilkDot(QPainter& Painter, QPointF Center, qreal Radius)
{
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Ink);
    Painter.drawEllipse(Center, Radius, Radius);
}
