// SPDX-License-Identifier: MIT
#include "Connectors.h"

#include "Metal.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace {

const QColor HeaderBlack(28, 28, 30);

// The rectangle covering Columns x Rows pin cells, grown by Margin on every side.
QRectF CellsRect(QPointF FirstPin, int Columns, int Rows, qreal Margin)
{
    const QPointF TopLeft = FirstPin - QPointF(Pitch / 2 + Margin, Pitch / 2 + Margin);
    return QRectF(TopLeft, QSizeF(Columns * Pitch + 2 * Margin, Rows * Pitch + 2 * Margin));
}

void DrawSocketOpening(QPainter& Painter, QPointF Center)
{
    const qreal Funnel = 4.6;
    const qreal Hole = 2.0;
    QLinearGradient Slope(Center - QPointF(Funnel, Funnel), Center + QPointF(Funnel, Funnel));
    Slope.setColorAt(0.0, QColor(20, 20, 22));
    Slope.setColorAt(1.0, QColor(78, 78, 82));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Slope);
    Painter.drawRect(QRectF(Center - QPointF(Funnel, Funnel), QSizeF(2 * Funnel, 2 * Funnel)));
    Painter.setBrush(QColor(6, 6, 6));
    Painter.drawRect(QRectF(Center - QPointF(Hole, Hole), QSizeF(2 * Hole, 2 * Hole)));
    // The spring contact deep inside glints on the lit side.
    Painter.setBrush(QColor(190, 150, 70));
    Painter.drawRect(QRectF(Center + QPointF(-Hole, -Hole), QSizeF(2 * Hole, 1.0)));
}

} // namespace

void DrawPinHeader(TLayers& Layers, QPointF FirstPin, int Columns, int Rows)
{
    QPainter& Painter = Layers.Tall;
    DrawPlastic(Painter, CellsRect(FirstPin, Columns, Rows, -0.4), HeaderBlack, 1.2);
    // Grooves between the moulded cells, with a notch at each corner.
    Painter.setPen(QPen(QColor(8, 8, 8, 200), 1.0));
    for (int Column = 1; Column < Columns; ++Column) {
        const qreal X = FirstPin.x() + (Column - 0.5) * Pitch;
        Painter.drawLine(QPointF(X, FirstPin.y() - Pitch / 2 + 1), QPointF(X, FirstPin.y() + (Rows - 0.5) * Pitch - 1));
    }
    for (int Row = 1; Row < Rows; ++Row) {
        const qreal Y = FirstPin.y() + (Row - 0.5) * Pitch;
        Painter.drawLine(QPointF(FirstPin.x() - Pitch / 2 + 1, Y), QPointF(FirstPin.x() + (Columns - 0.5) * Pitch - 1, Y));
    }
    for (int Column = 0; Column < Columns; ++Column)
        for (int Row = 0; Row < Rows; ++Row) {
            const QPointF Pin = PinAt(FirstPin, Column, Row);
            // A faint raised boss round each pin.
            Painter.setPen(Qt::NoPen);
            Painter.setBrush(QColor(50, 50, 54));
            Painter.drawEllipse(Pin, 4.8, 4.8);
            DrawGoldPin(Painter, Pin);
        }
}

void DrawShunt(TLayers& Layers, QPointF PinA, QPointF PinB, QColor Plastic)
{
    QPainter& Painter = Layers.Tall;
    const bool Horizontal = qAbs(PinB.x() - PinA.x()) > qAbs(PinB.y() - PinA.y());
    const QPointF Middle = (PinA + PinB) / 2;
    const QSizeF Size = Horizontal ? QSizeF(2 * Pitch - 1.5, Pitch - 3.0) : QSizeF(Pitch - 3.0, 2 * Pitch - 1.5);
    const QRectF Body(Middle - QPointF(Size.width() / 2, Size.height() / 2), Size);
    DrawPlastic(Painter, Body, Plastic, 2.5);
    // The closed top: a slightly sunken panel and the grip ridges across it.
    const QRectF Top = Body.adjusted(2.5, 2.5, -2.5, -2.5);
    Painter.setPen(QPen(Plastic.darker(170), 0.8));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRoundedRect(Top, 1.5, 1.5);
    Painter.setPen(QPen(QColor(255, 255, 255, 40), 0.9));
    for (int Ridge = -1; Ridge <= 1; ++Ridge) {
        const qreal Offset = Ridge * 3.0;
        if (Horizontal)
            Painter.drawLine(QPointF(Middle.x() + Offset, Top.top() + 1.5), QPointF(Middle.x() + Offset, Top.bottom() - 1.5));
        else
            Painter.drawLine(QPointF(Top.left() + 1.5, Middle.y() + Offset), QPointF(Top.right() - 1.5, Middle.y() + Offset));
    }
    // A soft glossy streak along the lit edge.
    QLinearGradient Gloss(Body.topLeft(), Body.topLeft() + QPointF(0, Body.height()));
    Gloss.setColorAt(0.0, QColor(255, 255, 255, 70));
    Gloss.setColorAt(0.3, QColor(255, 255, 255, 0));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Gloss);
    Painter.drawRoundedRect(Body.adjusted(1, 1, -1, -1), 2, 2);
}

void DrawBusSocket(TLayers& Layers, QPointF FirstPin, int Columns, int Rows)
{
    QPainter& Painter = Layers.Tall;
    const QRectF Body = CellsRect(FirstPin, Columns, Rows, 1.2);
    DrawPlastic(Painter, Body, QColor(24, 24, 26), 1.5);
    // The parting line of the moulding down the middle of the body.
    Painter.setPen(QPen(QColor(60, 60, 64), 0.8));
    const qreal Middle = Body.center().x();
    Painter.drawLine(QPointF(Middle, Body.top() + 2), QPointF(Middle, Body.bottom() - 2));
    for (int Column = 0; Column < Columns; ++Column)
        for (int Row = 0; Row < Rows; ++Row)
            DrawSocketOpening(Painter, PinAt(FirstPin, Column, Row));
    // Pin 1 is marked by a small moulded triangle.
    const QPointF Mark = Body.topLeft() + QPointF(3, 2.5);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(120, 120, 124));
    Painter.drawPolygon(QPolygonF({Mark, Mark + QPointF(5, 0), Mark + QPointF(0, 5)}));
}

void DrawBoxHeader(TLayers& Layers, QPointF FirstPin, int PinPairs)
{
    QPainter& Painter = Layers.Tall;
    const qreal EndRoom = 0.35 * Pitch * 3.0; // the shroud runs past the pins for the latches
    const QRectF Body(FirstPin - QPointF(Pitch / 2 + EndRoom, 21.0), QSizeF((PinPairs - 1) * Pitch + Pitch + 2 * EndRoom, 21.0 * 2 + Pitch));
    DrawPlastic(Painter, Body, QColor(30, 30, 32), 2.0);
    // The floor inside the shroud lies in shadow.
    const QRectF Floor = Body.adjusted(6.5, 6.5, -6.5, -6.5);
    QLinearGradient Depth(Floor.topLeft(), Floor.bottomLeft());
    Depth.setColorAt(0.0, QColor(6, 6, 7));
    Depth.setColorAt(0.25, QColor(16, 16, 18));
    Depth.setColorAt(1.0, QColor(26, 26, 28));
    Painter.setPen(QPen(QColor(64, 64, 68), 0.8));
    Painter.setBrush(Depth);
    Painter.drawRect(Floor);
    // Key slot in the wall that faces the board edge.
    const QRectF Key(QPointF(Body.center().x() - 13, Floor.bottom() - 0.5), QSizeF(26, 7.5));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(12, 12, 13));
    Painter.drawRect(Key);
    for (int Pair = 0; Pair < PinPairs; ++Pair)
        for (int Row = 0; Row < 2; ++Row)
            DrawGoldPin(Painter, PinAt(FirstPin, Pair, Row), 2.7);
    const QPointF Mark = Body.topLeft() + QPointF(3, 3);
    Painter.setBrush(QColor(110, 110, 114));
    Painter.drawPolygon(QPolygonF({Mark, Mark + QPointF(6, 0), Mark + QPointF(0, 6)}));
}

void DrawMountingHole(TLayers& Layers, QPointF Center)
{
    QPainter& Painter = Layers.Board;
    DrawTinPad(Painter, Center, 17.0);
    QRadialGradient Bore(Center, 9.5, Center + QPointF(3, 3));
    Bore.setColorAt(0.0, QColor(52, 50, 46));
    Bore.setColorAt(0.8, QColor(22, 22, 20));
    Bore.setColorAt(1.0, QColor(170, 168, 160)); // the plated wall's lit rim
    Painter.setBrush(Bore);
    Painter.drawEllipse(Center, 9.5, 9.5);
}
