// SPDX-License-Identifier: MIT
#include "Copper.h"

#include "BoardLayout.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

const QColor Mask(28, 96, 52);
const QColor MaskOverCopper(44, 122, 60);
const qreal TraceWidth = 2.6;
const qreal TraceSpacing = 5.6;

// Shifts a polyline sideways by Distance (to its left), keeping parallel runs parallel
// through the bends (mitred corners).
QPolygonF Offset(const QPolygonF& Line, qreal Distance)
{
    QPolygonF Result;
    for (int I = 0; I < Line.size(); ++I) {
        const QPointF In = I > 0 ? Line[I] - Line[I - 1] : Line[I + 1] - Line[I];
        const QPointF Out = I + 1 < Line.size() ? Line[I + 1] - Line[I] : In;
        auto Normal = [](QPointF D) {
            const qreal Length = std::hypot(D.x(), D.y());
            return QPointF(D.y() / Length, -D.x() / Length);
        };
        const QPointF A = Normal(In);
        const QPointF B = Normal(Out);
        QPointF Mitre = A + B;
        const qreal Dot = QPointF::dotProduct(Mitre, A);
        Mitre = Mitre / Dot;
        Result << Line[I] + Mitre * Distance;
    }
    return Result;
}

// A bundle of Count traces along Route, the first on Route, the others to its left.
void DrawBundle(QPainter& Board, const QPolygonF& Route, int Count)
{
    Board.setBrush(Qt::NoBrush);
    for (int Trace = 0; Trace < Count; ++Trace) {
        const QPolygonF Line = Offset(Route, Trace * TraceSpacing);
        // The clearance gap that separates a trace from the copper pour it crosses.
        Board.setPen(QPen(Mask, TraceWidth + 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        Board.drawPolyline(Line);
        Board.setPen(QPen(MaskOverCopper, TraceWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        Board.drawPolyline(Line);
    }
}

void DrawVia(QPainter& Board, QPointF Center)
{
    Board.setPen(Qt::NoPen);
    Board.setBrush(MaskOverCopper.lighter(115));
    Board.drawEllipse(Center, 3.4, 3.4);
    Board.setBrush(QColor(12, 40, 22));
    Board.drawEllipse(Center, 1.3, 1.3);
}

} // namespace

void DrawSolderMask(QPainter& Board)
{
    Board.fillRect(QRectF(QPointF(0, 0), QSizeF(Layout::Picture)), Mask);
}

void DrawCopperTraces(QPainter& Board, TRandom& Random)
{
    // Ground pour on the field side, with a clearance gap round the optocoupler rows.
    QPainterPath Pour;
    Pour.addRoundedRect(QRectF(92, 460, 486, 98), 5, 5);
    Board.setPen(Qt::NoPen);
    Board.setBrush(QColor(34, 106, 56));
    Board.drawPath(Pour);
    Board.setBrush(Mask);
    for (int Column = 0; Column < 8; ++Column) {
        const qreal X = Layout::OptoLeft + Column * Layout::OptoPitch;
        for (qreal Y : {Layout::OptoRowB - 1.5 * Pitch, Layout::OptoRowB + 1.5 * Pitch}) {
            Board.drawEllipse(QPointF(X - Pitch / 2, Y), 8.5, 8.5);
            Board.drawEllipse(QPointF(X + Pitch / 2, Y), 8.5, 8.5);
            Board.drawEllipse(QPointF(X - Layout::OptoPitch / 2, Y), 8.0, 8.0);
        }
    }

    // Bus lines from the socket's inner column into the decoding logic.
    DrawBundle(Board, QPolygonF({{40, 66}, {120, 66}, {140, 46}, {250, 46}}), 3);
    DrawBundle(Board, QPolygonF({{40, 218}, {150, 218}, {170, 238}, {238, 238}, {252, 224}}), 4);
    DrawBundle(Board, QPolygonF({{84, 300}, {96, 300}, {96, 338}, {104, 346}, {236, 346}}), 2);
    // Buffer outputs to the logic device.
    DrawBundle(Board, QPolygonF({{420, 130}, {428, 122}, {428, 180}, {470, 180}, {470, 168}}), 4);
    DrawBundle(Board, QPolygonF({{375, 208}, {375, 200}, {420, 200}}), 3);
    // Filter jumpers down to the optocoupler outputs, fanning out.
    for (int Channel = 0; Channel < 16; ++Channel) {
        const qreal X = Layout::FilterHeader.x() + Channel * Pitch;
        const int Column = Channel / 2;
        const qreal Opto = Layout::OptoLeft + Column * Layout::OptoPitch + (Channel % 2 ? 8.45 : -8.45);
        DrawBundle(Board, QPolygonF({{X, 352}, {X, 382 - qAbs(X - Opto) * 0.4}, {Opto, 382}, {Opto, 392}}), 1);
    }
    // Field wiring from the input connector up to the LEDs.
    for (int Pin = 0; Pin < 16; ++Pin) {
        const qreal X = Layout::InputHeader.x() + (Pin + 2) * Pitch;
        const qreal Opto = Layout::OptoLeft + (Pin / 2) * Layout::OptoPitch + (Pin % 2 ? 8.45 : -8.45);
        DrawBundle(Board, QPolygonF({{X, 570}, {X, 556}, {Opto, 546 - qAbs(X - Opto) * 0.1}, {Opto, 532}}), 1);
    }
    // Power rails round the logic, with their stitching vias.
    DrawBundle(Board, QPolygonF({{555, 300}, {555, 175}, {540, 160}}), 2);
    DrawBundle(Board, QPolygonF({{240, 300}, {540, 300}, {555, 285}}), 1);
    for (int Via = 0; Via < 34; ++Via) {
        const QPointF Spot(Random.Range(230, 560), Random.Range(180, 300));
        DrawVia(Board, Spot);
    }
    for (int Via = 0; Via < 14; ++Via)
        DrawVia(Board, QPointF(Random.Range(95, 250), Random.Range(260, 385)));
}
