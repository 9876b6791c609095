// SPDX-License-Identifier: MIT
#include "Metal.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

void DrawTinPad(QPainter& Painter, QPointF Center, qreal Radius)
{
    // Hot-air levelled tin: nearly flat, a little domed towards the hole.
    QRadialGradient Dome(Center, Radius, Center - QPointF(Radius * 0.3, Radius * 0.35));
    Dome.setColorAt(0.0, QColor(214, 214, 208));
    Dome.setColorAt(0.45, QColor(168, 170, 166));
    Dome.setColorAt(0.85, QColor(124, 130, 126));
    Dome.setColorAt(1.0, QColor(86, 96, 90));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Dome);
    Painter.drawEllipse(Center, Radius, Radius);
    Painter.setBrush(QColor(255, 255, 250, 150));
    Painter.drawEllipse(Center - QPointF(Radius * 0.38, Radius * 0.42), Radius * 0.22, Radius * 0.16);
}

void DrawTinRect(QPainter& Painter, const QRectF& Rect)
{
    QLinearGradient Sheen(Rect.topLeft(), Rect.bottomRight());
    Sheen.setColorAt(0.0, QColor(236, 236, 230));
    Sheen.setColorAt(0.5, QColor(178, 180, 178));
    Sheen.setColorAt(1.0, QColor(118, 122, 120));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Sheen);
    Painter.drawRoundedRect(Rect, 0.8, 0.8);
}

void DrawGoldPin(QPainter& Painter, QPointF Center, qreal HalfSide)
{
    const qreal Outer = HalfSide;
    const qreal Inner = HalfSide * 0.42;
    const QPointF O[4] = {Center + QPointF(-Outer, -Outer), Center + QPointF(Outer, -Outer),
                          Center + QPointF(Outer, Outer), Center + QPointF(-Outer, Outer)};
    const QPointF I[4] = {Center + QPointF(-Inner, -Inner), Center + QPointF(Inner, -Inner),
                          Center + QPointF(Inner, Inner), Center + QPointF(-Inner, Inner)};
    // Facets facing up, right, down and left: the light comes from the upper left.
    const QColor Facet[4] = {QColor(255, 232, 150), QColor(170, 120, 40), QColor(120, 82, 24),
                             QColor(236, 196, 96)};
    Painter.setPen(Qt::NoPen);
    for (int Side = 0; Side < 4; ++Side) {
        const int Next = (Side + 1) % 4;
        Painter.setBrush(Facet[Side]);
        Painter.drawPolygon(QPolygonF({O[Side], O[Next], I[Next], I[Side]}));
    }
    QLinearGradient Top(I[0], I[2]);
    Top.setColorAt(0.0, QColor(255, 246, 200));
    Top.setColorAt(1.0, QColor(222, 176, 76));
    Painter.setBrush(Top);
    Painter.drawRect(QRectF(I[0], I[2]));
}

void DrawLead(QPainter& Painter, QPointF From, QPointF To, qreal Width)
{
    QLinearGradient Sheen(From, To);
    Sheen.setColorAt(0.0, QColor(150, 152, 150));
    Sheen.setColorAt(0.5, QColor(232, 232, 228));
    Sheen.setColorAt(1.0, QColor(140, 142, 140));
    Painter.setPen(QPen(QBrush(Sheen), Width, Qt::SolidLine, Qt::FlatCap));
    Painter.drawLine(From, To);
}

void DrawPlastic(QPainter& Painter, const QRectF& Rect, QColor Colour, qreal Corner)
{
    QLinearGradient Face(Rect.topLeft(), Rect.bottomRight());
    Face.setColorAt(0.0, Colour.lighter(150));
    Face.setColorAt(0.45, Colour);
    Face.setColorAt(1.0, Colour.darker(140));
    Painter.setPen(QPen(Colour.darker(200), 0.8));
    Painter.setBrush(Face);
    Painter.drawRoundedRect(Rect, Corner, Corner);
    // The moulding's upper and left edges catch the light.
    Painter.setPen(QPen(QColor(255, 255, 255, 46), 1.0));
    Painter.drawLine(Rect.topLeft() + QPointF(Corner, 0.8), Rect.topRight() + QPointF(-Corner, 0.8));
    Painter.drawLine(Rect.topLeft() + QPointF(0.8, Corner), Rect.bottomLeft() + QPointF(0.8, -Corner));
}
