// SPDX-License-Identifier: MIT
#include "BoardRenderer.h"

#include "BoardLayout.h"
#include "Connectors.h"
#include "Copper.h"
#include "Packages.h"
#include "Photo.h"
#include "Silkscreen.h"

namespace {

const QColor ShuntBlack(22, 22, 24);
const QColor ShuntBlue(28, 64, 168);

QPointF OptoAt(int Index)
{
    return {Layout::OptoLeft + (Index % 8) * Layout::OptoPitch, Index < 8 ? Layout::OptoRowA : Layout::OptoRowB};
}

void DrawBusConnectors(TLayers& Layers)
{
    DrawBusSocket(Layers, Layout::BusJ1, 2, 32);
    DrawBusSocket(Layers, Layout::BusJ2, 2, 20);
    SilkText(Layers.Board, {64, 52}, "J1", 8);
    SilkText(Layers.Board, {64, 602}, "J2", 8);
}

void DrawMountingHoles(TLayers& Layers)
{
    for (const QPointF& Hole : Layout::Holes)
        DrawMountingHole(Layers, Hole);
}

// Bits 3 to 9; shipped at 300 hex, so the jumpers of bits 3 to 7 are installed.
void DrawAddressJumpers(TLayers& Layers)
{
    DrawPinHeader(Layers, Layout::AddressHeader, 2, 7);
    for (int Row = 0; Row < 7; ++Row) {
        const QPointF Left = PinAt(Layout::AddressHeader, 0, Row);
        SilkText(Layers.Board, Left + QPointF(2 * Pitch + 6, 0), QString("A%1").arg(Row + 3), 7.5);
        if (Row + 3 <= 7)
            DrawShunt(Layers, Left, PinAt(Layout::AddressHeader, 1, Row), ShuntBlack);
    }
    SilkText(Layers.Board, Layout::AddressHeader + QPointF(Pitch / 2, -17), "ADDR", 7.5);
    SilkOutline(Layers.Board, QRectF(Layout::AddressHeader - QPointF(10.5, 10.5), QSizeF(2 * Pitch + 4, 7 * Pitch + 4)));
}

void DrawIrqJumpers(TLayers& Layers)
{
    static const char* const Levels[11] = {"3", "4", "5", "6", "7", "9", "10", "11", "12", "14", "15"};
    DrawPinHeader(Layers, Layout::IrqHeader, 2, 11);
    for (int Row = 0; Row < 11; ++Row)
        SilkTextRight(Layers.Board, Layout::IrqHeader.x() - 13, Layout::IrqHeader.y() + Row * Pitch, Levels[Row], 7.5);
    DrawShunt(Layers, PinAt(Layout::IrqHeader, 0, 2), PinAt(Layout::IrqHeader, 1, 2), ShuntBlack);
    SilkText(Layers.Board, Layout::IrqHeader + QPointF(Pitch / 2, -18), "IRQ", 8);
    SilkOutline(Layers.Board, QRectF(Layout::IrqHeader - QPointF(10.5, 10.5), QSizeF(2 * Pitch + 4, 11 * Pitch + 4)));
}

// IN15 on the left, IN0 on the right, one vertical pair a channel.
void DrawFilterJumpers(TLayers& Layers)
{
    DrawPinHeader(Layers, Layout::FilterHeader, 16, 2);
    for (int Column = 0; Column < 16; ++Column) {
        const QPointF Bottom = PinAt(Layout::FilterHeader, Column, 1);
        SilkText(Layers.Board, Bottom + QPointF(0, 24), QString("IN%1").arg(15 - Column), 7, 90);
        // One filter capacitor per channel, above its jumper.
        DrawChipPart(Layers, PinAt(Layout::FilterHeader, Column, 0) - QPointF(0, 22), true, QColor(168, 128, 86));
    }
    for (int Column : {14, 15})
        DrawShunt(Layers, PinAt(Layout::FilterHeader, Column, 0), PinAt(Layout::FilterHeader, Column, 1), ShuntBlue);
    SilkText(Layers.Board, Layout::FilterHeader + QPointF(-28, Pitch / 2), "FLT", 8);
    SilkOutline(Layers.Board, QRectF(Layout::FilterHeader - QPointF(10.5, 10.5), QSizeF(16 * Pitch + 4, 2 * Pitch + 4)));
}

void DrawUpgradeHeaders(TLayers& Layers)
{
    DrawPinHeader(Layers, Layout::UpgradeHeader1, 3, 1);
    DrawPinHeader(Layers, Layout::UpgradeHeader0, 3, 1);
    SilkText(Layers.Board, Layout::UpgradeHeader1 + QPointF(Pitch, -16), "P3", 7.5);
    SilkText(Layers.Board, Layout::UpgradeHeader0 + QPointF(Pitch, 17), "P4", 7.5);
    SilkDot(Layers.Board, Layout::UpgradeHeader1 + QPointF(-12, 8));
    SilkDot(Layers.Board, Layout::UpgradeHeader0 + QPointF(-12, -8));
}

void DrawLogic(TLayers& Layers)
{
    DrawDip(Layers, Layout::Comparator, 20, {"74HCT688N", "0218"});
    DrawDip(Layers, Layout::Buffer, 20, {"74HC244N", "0223"});
    DrawDip(Layers, Layout::Schmitt, 14, {"74HC14N", "0209"});
    DrawDip(Layers, Layout::Gate, 14, {"74HC08N", "0215"});
    DrawPlcc(Layers, Layout::Logic, {"KX24-L", "V1.3", "0231"});
    SilkText(Layers.Board, Layout::Comparator + QPointF(-95, -34), "U1", 8);
    SilkText(Layers.Board, Layout::Buffer + QPointF(40, -43), "U2", 8);
    SilkText(Layers.Board, Layout::Schmitt + QPointF(75, 0), "U3", 8);
    SilkText(Layers.Board, Layout::Logic + QPointF(0, 70), "U4", 8);
    SilkText(Layers.Board, Layout::Gate + QPointF(0, -35), "U5", 8);
    DrawChipPart(Layers, Layout::Buffer + QPointF(-40, -44), false, QColor(168, 128, 86));
    DrawCeramicCap(Layers, Layout::Schmitt + QPointF(104, -24), QColor(216, 176, 40), "104");
    DrawCeramicCap(Layers, Layout::Gate + QPointF(0, 48), QColor(216, 176, 40), "104");
    DrawElectrolytic(Layers, {520, 218}, 20);
    SilkText(Layers.Board, {520, 246}, "C1 +", 7.5);
    DrawResistorNetwork(Layers, {400, 268}, 9, "A103J");
    // Pull-downs on the interrupt and upgrade lines.
    for (int Part = 0; Part < 6; ++Part) {
        const QPointF Chip(112 + Part * 21, 368);
        DrawChipPart(Layers, Chip, false, QColor(26, 26, 28), "103");
        SilkText(Layers.Board, Chip + QPointF(0, 12), QString("R%1").arg(Part + 17), 6);
    }
    SilkText(Layers.Board, Layout::Buffer + QPointF(-40, -34), "C2", 6.5);
    SilkText(Layers.Board, Layout::Schmitt + QPointF(104, -36), "C3", 6.5);
    SilkText(Layers.Board, Layout::Gate + QPointF(-20, 48), "C4", 6.5);
    SilkText(Layers.Board, {386, 282}, "RN1", 7);
}

void DrawOptocouplers(TLayers& Layers)
{
    static const QColor Red(190, 30, 30), Gold(200, 160, 60);
    static const QColor Bands[4] = {Red, Red, Red, Gold}; // 2.2 k
    for (int Index = 0; Index < 16; ++Index) {
        const QPointF Opto = OptoAt(Index);
        DrawOptocoupler(Layers, Opto, "817");
        SilkText(Layers.Board, Opto + QPointF(0, 37), QString("OC%1").arg(Index + 1), 6.5);
        SilkDot(Layers.Board, Opto + QPointF(-15, 30), 1.3);
        const QPointF Resistor = Opto - QPointF(Layout::OptoPitch / 2, 0);
        DrawAxialResistor(Layers, Resistor - QPointF(0, 1.5 * Pitch), Resistor + QPointF(0, 1.5 * Pitch), Bands);
    }
}

void DrawInputConnector(TLayers& Layers)
{
    DrawBoxHeader(Layers, Layout::InputHeader, 20);
    SilkText(Layers.Board, Layout::InputHeader + QPointF(-34, -14), "J3", 8);
    SilkText(Layers.Board, Layout::InputHeader + QPointF(-34, 24), "1", 7);
}

void DrawLegend(QPainter& Board)
{
    SilkText(Board, {330, 16}, "KX-2400   ISOLATED DIGITAL INPUT   REV B", 9);
    SilkText(Board, {120, 560}, "94V-0", 6.5);
    SilkText(Board, {545, 560}, "0214", 6.5);
}

void DrawSerialSticker(QPainter& Board)
{
    Board.save();
    Board.translate(574, 280);
    Board.rotate(90);
    const QRectF Paper(-52, -13, 104, 26);
    Board.setPen(QPen(QColor(200, 200, 190), 0.6));
    Board.setBrush(QColor(240, 240, 232));
    Board.drawRect(Paper);
    TRandom Bars(104);
    qreal X = Paper.left() + 6;
    Board.setPen(Qt::NoPen);
    Board.setBrush(QColor(24, 24, 28));
    while (X < Paper.right() - 8) {
        const qreal Width = 0.8 + Bars.Below(3) * 0.8;
        Board.drawRect(QRectF(X, Paper.top() + 3, Width, 14));
        X += Width + 0.8 + Bars.Below(2) * 0.8;
    }
    QFont Font("DejaVu Sans Mono");
    Font.setPixelSize(6);
    Board.setFont(Font);
    Board.setPen(QColor(24, 24, 28));
    Board.drawText(QRectF(Paper.left(), Paper.top() + 17, Paper.width(), 8), Qt::AlignCenter, "S/N 24-00417");
    Board.restore();
}

// Takes the board edge down by a shade where the laminate is cut.
void DrawBoardEdge(QPainter& Board)
{
    Board.setPen(QPen(QColor(10, 40, 20, 150), 2.0));
    Board.setBrush(Qt::NoBrush);
    Board.drawRect(QRectF(1, 1, Layout::Picture.width() - 2, Layout::Picture.height() - 2));
}

QImage Transparent()
{
    QImage Layer(Layout::Picture, QImage::Format_ARGB32_Premultiplied);
    Layer.fill(Qt::transparent);
    return Layer;
}

} // namespace

QImage RenderBoard()
{
    QImage Board(Layout::Picture, QImage::Format_RGB32);
    QImage Low = Transparent();
    QImage Tall = Transparent();
    TRandom Random(2400);
    {
        QPainter BoardPainter(&Board);
        QPainter LowPainter(&Low);
        QPainter TallPainter(&Tall);
        for (QPainter* Painter : {&BoardPainter, &LowPainter, &TallPainter})
            Painter->setRenderHint(QPainter::Antialiasing);
        TLayers Layers{BoardPainter, LowPainter, TallPainter};
        DrawSolderMask(BoardPainter);
        DrawCopperTraces(BoardPainter, Random);
        DrawLegend(BoardPainter);
        DrawMountingHoles(Layers);
        DrawBusConnectors(Layers);
        DrawIrqJumpers(Layers);
        DrawAddressJumpers(Layers);
        DrawUpgradeHeaders(Layers);
        DrawFilterJumpers(Layers);
        DrawLogic(Layers);
        DrawOptocouplers(Layers);
        DrawInputConnector(Layers);
        DrawSerialSticker(BoardPainter);
        DrawBoardEdge(BoardPainter);
    }
    AddMaskSheen(Board, Random);
    CastShadowAndCompose(Board, Low, {2, 3}, 2, 0.45);
    CastShadowAndCompose(Board, Tall, {5, 6}, 4, 0.68);
    AddGloss(Board);
    AddDust(Board, Random);
    ApplyLightFalloff(Board);
    SoftenAndAddGrain(Board, Random);
    return Board;
}
