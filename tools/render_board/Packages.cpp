// SPDX-License-Identifier: MIT
#include "Packages.h"

#include "Metal.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

namespace {

const QColor Epoxy(34, 34, 37);

// Laser-etched marking: low contrast grey, as on real packages.
void DrawMarking(QPainter& Painter, const QRectF& Area, const QStringList& Lines, qreal PixelSize, QColor Ink)
{
    QFont Font("DejaVu Sans Condensed");
    Font.setPixelSize(int(PixelSize));
    Font.setBold(true);
    Font.setHintingPreference(QFont::PreferNoHinting);
    Painter.setFont(Font);
    Painter.setPen(Ink);
    const qreal LineHeight = PixelSize + 1.5;
    const qreal Top = Area.center().y() - LineHeight * Lines.size() / 2;
    for (int Line = 0; Line < Lines.size(); ++Line)
        Painter.drawText(QRectF(Area.left(), Top + Line * LineHeight, Area.width(), LineHeight),
                         Qt::AlignCenter, Lines[Line]);
}

void DrawEpoxyBody(QPainter& Painter, const QRectF& Body, QColor Colour)
{
    QLinearGradient Face(Body.topLeft(), Body.bottomRight());
    Face.setColorAt(0.0, Colour.lighter(135));
    Face.setColorAt(1.0, Colour.darker(125));
    Painter.setPen(QPen(Colour.darker(160), 0.8));
    Painter.setBrush(Face);
    Painter.drawRoundedRect(Body, 1.8, 1.8);
    Painter.setPen(QPen(QColor(255, 255, 255, 34), 1.0));
    Painter.drawLine(Body.topLeft() + QPointF(2, 1), Body.topRight() + QPointF(-2, 1));
}

void DrawDimple(QPainter& Painter, QPointF Center, qreal Radius, QColor Body)
{
    QRadialGradient Dish(Center, Radius, Center + QPointF(Radius * 0.4, Radius * 0.4));
    Dish.setColorAt(0.0, Body.lighter(150));
    Dish.setColorAt(1.0, Body.darker(150));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Dish);
    Painter.drawEllipse(Center, Radius, Radius);
}

} // namespace

void DrawDip(TLayers& Layers, QPointF Center, int Pins, const QStringList& Marking)
{
    const int PerSide = Pins / 2;
    const qreal RowOffset = 1.5 * Pitch;
    const QSizeF Size(PerSide * Pitch - 1.0, 2.5 * Pitch);
    const QRectF Body(Center - QPointF(Size.width() / 2, Size.height() / 2), Size);
    const qreal FirstX = Center.x() - (PerSide - 1) * Pitch / 2;
    for (int Pin = 0; Pin < PerSide; ++Pin)
        for (int Side : {-1, 1}) {
            const QPointF Hole(FirstX + Pin * Pitch, Center.y() + Side * RowOffset);
            DrawTinPad(Layers.Board, Hole, 5.2);
            DrawLead(Layers.Low, QPointF(Hole.x(), Center.y() + Side * (Size.height() / 2 - 1)), Hole, 3.6);
        }
    DrawEpoxyBody(Layers.Low, Body, Epoxy);
    Layers.Low.setPen(Qt::NoPen);
    Layers.Low.setBrush(Epoxy.darker(170));
    Layers.Low.drawChord(QRectF(Body.left() - 5, Center.y() - 5, 10, 10), -90 * 16, 180 * 16);
    DrawDimple(Layers.Low, QPointF(Body.left() + 7, Body.bottom() - 7), 2.6, Epoxy);
    DrawMarking(Layers.Low, Body.adjusted(10, 2, -4, -2), Marking, 7.5, QColor(150, 150, 146));
}

void DrawPlcc(TLayers& Layers, QPointF Center, const QStringList& Label)
{
    const qreal Half = 0.65 * 10 * Pitch / 2; // a 0.65 inch body
    const qreal LeadPitch = Pitch / 2;
    for (int Side = 0; Side < 4; ++Side)
        for (int Lead = 0; Lead < 11; ++Lead) {
            const qreal Along = (Lead - 5) * LeadPitch;
            QPointF Out;
            QSizeF Size;
            switch (Side) {
            case 0: Out = Center + QPointF(Along, -Half - 1.5); Size = QSizeF(3.4, 6.0); break;
            case 1: Out = Center + QPointF(Half + 1.5, Along); Size = QSizeF(6.0, 3.4); break;
            case 2: Out = Center + QPointF(Along, Half + 1.5); Size = QSizeF(3.4, 6.0); break;
            default: Out = Center + QPointF(-Half - 1.5, Along); Size = QSizeF(6.0, 3.4); break;
            }
            const QRectF Pad(Out - QPointF(Size.width() / 2 + 0.6, Size.height() / 2 + 0.6), Size + QSizeF(1.2, 1.2));
            DrawTinRect(Layers.Board, Pad);
            DrawTinRect(Layers.Low, QRectF(Out - QPointF(Size.width() / 2 - 0.5, Size.height() / 2 - 0.5), Size - QSizeF(1.0, 1.0)));
        }
    const QRectF Body(Center - QPointF(Half, Half), QSizeF(2 * Half, 2 * Half));
    QPolygonF Outline({Body.topLeft() + QPointF(6, 0), Body.topRight(), Body.bottomRight(), Body.bottomLeft(),
                       Body.topLeft() + QPointF(0, 6)});
    QLinearGradient Face(Body.topLeft(), Body.bottomRight());
    Face.setColorAt(0.0, Epoxy.lighter(135));
    Face.setColorAt(1.0, Epoxy.darker(120));
    Layers.Low.setPen(QPen(Epoxy.darker(160), 0.8));
    Layers.Low.setBrush(Face);
    Layers.Low.drawPolygon(Outline);
    // The raised centre of the moulding.
    Layers.Low.setPen(QPen(QColor(255, 255, 255, 28), 1.0));
    Layers.Low.setBrush(Qt::NoBrush);
    Layers.Low.drawRect(Body.adjusted(6, 6, -6, -6));
    DrawDimple(Layers.Low, QPointF(Center.x(), Body.top() + 9), 2.6, Epoxy);
    // The paper label, slightly askew as when stuck on by hand.
    Layers.Low.save();
    Layers.Low.translate(Center + QPointF(0, 6));
    Layers.Low.rotate(-1.2);
    const QRectF Paper(-30, -18, 60, 36);
    Layers.Low.setPen(QPen(QColor(190, 186, 170), 0.6));
    Layers.Low.setBrush(QColor(232, 229, 214));
    Layers.Low.drawRect(Paper);
    DrawMarking(Layers.Low, Paper, Label, 8.5, QColor(30, 30, 34));
    Layers.Low.restore();
}

void DrawOptocoupler(TLayers& Layers, QPointF Center, const QString& Marking)
{
    const qreal RowOffset = 1.5 * Pitch;
    const QSizeF Size(2 * Pitch - 3.0, 2.55 * Pitch);
    const QRectF Body(Center - QPointF(Size.width() / 2, Size.height() / 2), Size);
    for (int Pin : {-1, 1})
        for (int Side : {-1, 1}) {
            const QPointF Hole(Center.x() + Pin * Pitch / 2, Center.y() + Side * RowOffset);
            DrawTinPad(Layers.Board, Hole, 5.0);
            DrawLead(Layers.Low, QPointF(Hole.x(), Center.y() + Side * (Size.height() / 2 - 1)), Hole, 3.4);
        }
    const QColor Ivory(226, 222, 208);
    DrawEpoxyBody(Layers.Low, Body, Ivory);
    DrawDimple(Layers.Low, QPointF(Body.left() + 5, Body.bottom() - 5), 2.2, Ivory);
    Layers.Low.save();
    Layers.Low.translate(Center);
    Layers.Low.rotate(-90);
    DrawMarking(Layers.Low, QRectF(-Size.height() / 2, -Size.width() / 2, Size.height(), Size.width()),
                {Marking, "2B4"}, 7.0, QColor(40, 40, 44));
    Layers.Low.restore();
}

void DrawAxialResistor(TLayers& Layers, QPointF A, QPointF B, const QColor (&Bands)[4])
{
    DrawTinPad(Layers.Board, A, 4.6);
    DrawTinPad(Layers.Board, B, 4.6);
    const QLineF Axis(A, B);
    const qreal Length = Axis.length();
    const qreal BodyLength = 2.2 * Pitch;
    const qreal Radius = 4.6;
    QPainter& Painter = Layers.Low;
    Painter.save();
    Painter.translate(A);
    Painter.rotate(-Axis.angle());
    DrawLead(Painter, QPointF(0, 0), QPointF(Length, 0), 1.6);
    const qreal Start = (Length - BodyLength) / 2;
    // The cylinder: dark at its flanks, a highlight above the axis.
    QLinearGradient Round(0, -Radius, 0, Radius);
    const QColor Film(196, 170, 128);
    Round.setColorAt(0.0, Film.darker(160));
    Round.setColorAt(0.3, Film.lighter(125));
    Round.setColorAt(0.55, Film);
    Round.setColorAt(1.0, Film.darker(190));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Round);
    Painter.drawRoundedRect(QRectF(Start, -Radius, BodyLength, 2 * Radius), Radius * 0.9, Radius * 0.9);
    const qreal BandX[4] = {0.2, 0.34, 0.48, 0.8};
    for (int Band = 0; Band < 4; ++Band) {
        QLinearGradient Shade(0, -Radius, 0, Radius);
        Shade.setColorAt(0.0, Bands[Band].darker(170));
        Shade.setColorAt(0.3, Bands[Band].lighter(120));
        Shade.setColorAt(1.0, Bands[Band].darker(200));
        Painter.setBrush(Shade);
        Painter.drawRect(QRectF(Start + BandX[Band] * BodyLength, -Radius + 0.6, 2.6, 2 * Radius - 1.2));
    }
    Painter.restore();
}

void DrawChipPart(TLayers& Layers, QPointF Center, bool Vertical, QColor Body, const QString& Code)
{
    const QSizeF Size = Vertical ? QSizeF(8.0, 13.0) : QSizeF(13.0, 8.0);
    const QRectF Part(Center - QPointF(Size.width() / 2, Size.height() / 2), Size);
    const QSizeF Pad = Vertical ? QSizeF(9.6, 5.2) : QSizeF(5.2, 9.6);
    const QPointF Ends = Vertical ? QPointF(0, 5.4) : QPointF(5.4, 0);
    for (int Side : {-1, 1})
        DrawTinRect(Layers.Board, QRectF(Center + Side * Ends - QPointF(Pad.width() / 2, Pad.height() / 2), Pad));
    QLinearGradient Face(Part.topLeft(), Part.bottomRight());
    Face.setColorAt(0.0, Body.lighter(130));
    Face.setColorAt(1.0, Body.darker(130));
    Layers.Low.setPen(Qt::NoPen);
    Layers.Low.setBrush(Face);
    Layers.Low.drawRect(Part);
    const QSizeF Cap = Vertical ? QSizeF(8.0, 2.6) : QSizeF(2.6, 8.0);
    for (int Side : {-1, 1}) {
        const QPointF End = Center + Side * (Vertical ? QPointF(0, 5.2) : QPointF(5.2, 0));
        DrawTinRect(Layers.Low, QRectF(End - QPointF(Cap.width() / 2, Cap.height() / 2), Cap));
    }
    if (!Code.isEmpty()) {
        Layers.Low.save();
        Layers.Low.translate(Center);
        if (Vertical)
            Layers.Low.rotate(90);
        DrawMarking(Layers.Low, QRectF(-5, -4, 10, 8), {Code}, 5.0, QColor(220, 220, 214));
        Layers.Low.restore();
    }
}

void DrawCeramicCap(TLayers& Layers, QPointF Center, QColor Coating, const QString& Code)
{
    const QRectF Blob(Center - QPointF(10, 7), QSizeF(20, 14));
    QRadialGradient Dome(Center, 12, Center - QPointF(4, 4));
    Dome.setColorAt(0.0, Coating.lighter(150));
    Dome.setColorAt(0.5, Coating);
    Dome.setColorAt(1.0, Coating.darker(190));
    Layers.Tall.setPen(Qt::NoPen);
    Layers.Tall.setBrush(Dome);
    Layers.Tall.drawRoundedRect(Blob, 6, 6);
    DrawMarking(Layers.Tall, Blob, {Code}, 6.0, Coating.darker(260));
}

void DrawElectrolytic(TLayers& Layers, QPointF Center, qreal Radius)
{
    QPainter& Painter = Layers.Tall;
    // The sleeve's rolled edge, with the minus stripe.
    QRadialGradient Sleeve(Center, Radius, Center - QPointF(Radius * 0.3, Radius * 0.3));
    Sleeve.setColorAt(0.0, QColor(40, 60, 130));
    Sleeve.setColorAt(1.0, QColor(12, 20, 60));
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Sleeve);
    Painter.drawEllipse(Center, Radius, Radius);
    Painter.setBrush(QColor(170, 180, 200));
    Painter.drawPie(QRectF(Center - QPointF(Radius, Radius), QSizeF(2 * Radius, 2 * Radius)), 200 * 16, 50 * 16);
    // The aluminium top with its pressure vent.
    const qreal Top = Radius * 0.8;
    QRadialGradient Alu(Center, Top, Center - QPointF(Top * 0.4, Top * 0.45));
    Alu.setColorAt(0.0, QColor(246, 246, 244));
    Alu.setColorAt(0.6, QColor(180, 182, 186));
    Alu.setColorAt(1.0, QColor(118, 120, 126));
    Painter.setBrush(Alu);
    Painter.drawEllipse(Center, Top, Top);
    Painter.setPen(QPen(QColor(96, 98, 104), 1.2));
    Painter.drawLine(Center - QPointF(Top * 0.55, 0), Center + QPointF(Top * 0.55, 0));
    Painter.drawLine(Center - QPointF(0, Top * 0.55), Center + QPointF(0, Top * 0.55));
    Painter.drawLine(Center - QPointF(Top * 0.55, 0) + QPointF(0, 0.9), Center + QPointF(Top * 0.55, 0.9));
}

void DrawResistorNetwork(TLayers& Layers, QPointF FirstPin, int Pins, const QString& Marking)
{
    for (int Pin = 0; Pin < Pins; ++Pin)
        DrawTinPad(Layers.Board, FirstPin + QPointF(Pin * Pitch, 0), 4.8);
    const QRectF Body(FirstPin - QPointF(Pitch / 2 - 0.5, 5.5), QSizeF(Pins * Pitch - 1.0, 11.0));
    DrawEpoxyBody(Layers.Tall, Body, QColor(36, 36, 40));
    DrawDimple(Layers.Tall, Body.topLeft() + QPointF(5, 5.5), 1.8, QColor(36, 36, 40));
    DrawMarking(Layers.Tall, Body.adjusted(8, 0, 0, 0), {Marking}, 7.0, QColor(200, 200, 196));
}
