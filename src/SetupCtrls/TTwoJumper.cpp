// SPDX-License-Identifier: MIT
#include "TTwoJumper.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "ExactClass.h"
#include "Guard.h"
#include "Property.h"
#include "Rounding.h"
#include "TRadioPanel.h"

namespace {

bool IsVertical(TTwoJumper::TOrientationType Orientation)
{
    return Orientation == TTwoJumper::otLeft || Orientation == TTwoJumper::otRight;
}

// Fills the pixels of Box, a rectangle with rounded corners of the given radius (none when
// the radius is 0). Antialiasing is off, so a pixel is filled when its centre is inside.
void FillShape(QPainter& Painter, const QRectF& Box, double Radius, const QColor& Color)
{
    if (Box.isEmpty())
        return;
    QPainterPath Shape;
    if (Radius > 0)
        Shape.addRoundedRect(Box, Radius, Radius);
    else
        Shape.addRect(Box);
    Painter.fillPath(Shape, Color);
}

void FillEllipse(QPainter& Painter, const QRectF& Box, const QColor& Color)
{
    QPainterPath Shape;
    Shape.addEllipse(Box);
    Painter.fillPath(Shape, Color);
}

// A shape whose one-pixel outline lies on the outermost pixels of Box.
void FillOutlined(QPainter& Painter, const QRect& Box, double Radius, const QColor& Outline,
                  const QColor& Body)
{
    const QRectF Outer(Box);
    FillShape(Painter, Outer, Radius, Outline);
    FillShape(Painter, Outer.adjusted(1, 1, -1, -1), std::max(0.0, Radius - 1), Body);
}

} // namespace

TTwoJumper::TTwoJumper(QWidget* Parent) : QWidget(Parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(34, 18);
}

void TTwoJumper::SetClosed(bool Value)
{
    if (ChangeProperty(FClosed, Value))
        update();
}

void TTwoJumper::SetBaseColor(TColor Value)
{
    if (ChangeProperty(FBaseColor, Value))
        update();
}

void TTwoJumper::SetPinColor(TColor Value)
{
    if (ChangeProperty(FPinColor, Value))
        update();
}

void TTwoJumper::SetJumperColor(TColor Value)
{
    if (ChangeProperty(FJumperColor, Value))
        update();
}

void TTwoJumper::SetBorderStyle(TBorderStyle Value)
{
    if ((Value == bsNone || Value == bsSingle) && ChangeProperty(FBorderStyle, Value))
        update();
}

void TTwoJumper::SetOrientation(TOrientationType Value)
{
    if (Value < otUp || Value > otRight || Value == FOrientation)
        return;
    // Crossing back before the next paint cancels the pending exchange.
    if (IsVertical(Value) != IsVertical(FOrientation))
        FSwapPending = !FSwapPending;
    FOrientation = Value;
    update();
}

TRadioPanel* TTwoJumper::ParentPanel() const
{
    return ExactCast<TRadioPanel>(parentWidget());
}

void TTwoJumper::mousePressEvent(QMouseEvent* Event)
{
    if (Event->button() == Qt::LeftButton)
        FPressed = true;
}

void TTwoJumper::mouseReleaseEvent(QMouseEvent* Event)
{
    if (Event->button() != Qt::LeftButton)
        return;
    const bool Clicked = FPressed && rect().contains(Event->position().toPoint());
    FPressed = false;
    if (Clicked)
        Guarded([this] { Click(); });
}

// The second press of a double click is no click of its own, so a double click toggles once.
void TTwoJumper::mouseDoubleClickEvent(QMouseEvent*) {}

void TTwoJumper::Click()
{
    SetClosed(!FClosed);
    if (TRadioPanel* Panel = ParentPanel(); Panel && Panel->RadioEnabled())
        Panel->SelectJumper(this);
    if (OnClick)
        OnClick(this);
}

void TTwoJumper::paintEvent(QPaintEvent*)
{
    Guarded([this] {
        if (ExchangePendingSize())
            return;
        SizeDrawBitmap();
        if (!FDrawBitmap.isNull()) {
            QPainter Painter(&FDrawBitmap);
            DrawBackground(Painter);
            DrawBody(Painter);
            DrawPins(Painter);
            Painter.end();
            TurnInto();
            QPainter(this).drawImage(0, 0, FTurnedBitmap);
        }
        FPainted = true;
    });
}

// A size given before the first paint is already the size in the final direction. Once
// painted, the jumper takes its new shape; the resize repaints it, so this paint stops.
bool TTwoJumper::ExchangePendingSize()
{
    if (!FSwapPending)
        return false;
    FSwapPending = false;
    if (!FPainted || width() == height())
        return false;
    resize(height(), width());
    return true;
}

// The picture is drawn lying as for otUp and turned afterwards.
void TTwoJumper::SizeDrawBitmap()
{
    const QSize Size = IsVertical(FOrientation) ? size().transposed() : size();
    if (FDrawBitmap.size() != Size)
        FDrawBitmap = QImage(Size, QImage::Format_RGB32);
}

void TTwoJumper::DrawBackground(QPainter& Painter)
{
    const TRadioPanel* Panel = ParentPanel();
    Painter.fillRect(FDrawBitmap.rect(), ColorToQColor(Panel ? Panel->Color() : clBtnFace));
}

void TTwoJumper::DrawBody(QPainter& Painter)
{
    const QColor Body = ColorToQColor(FClosed ? FJumperColor : FBaseColor);
    const QColor Outline = FBorderStyle == bsSingle ? ColorToQColor(clBlack) : Body;
    const int W = FDrawBitmap.width();
    const int H = FDrawBitmap.height();
    if (FClosed)
        FillOutlined(Painter, QRect(0, 0, W, H), 0, Outline, Body);
    else
        FillOutlined(Painter, QRect(1, 1, W - 2, H - 2), (H / 2) / 2.0, Outline, Body);
}

void TTwoJumper::DrawPins(QPainter& Painter)
{
    const int W = FDrawBitmap.width();
    const int H = FDrawBitmap.height();
    const int Q = int(RoundHalfEven(W / 3.5));
    const int P = Q + 1;
    const int R = std::min(int(RoundHalfEven(H / 4.0)), Q / 3);
    const int M = H / 2;
    if (R <= 0)
        return;
    // Drawn without outline, an ellipse fills one pixel less at the right and the bottom.
    const QSizeF Size(2 * R - 1, 2 * R - 1);
    const QColor Pin = ColorToQColor(FPinColor);
    FillEllipse(Painter, QRectF(QPointF(P - R, M - R), Size), Pin);
    FillEllipse(Painter, QRectF(QPointF(W - P - R, M - R), Size), Pin);
}

void TTwoJumper::TurnInto()
{
    const int W = FDrawBitmap.width();
    const int H = FDrawBitmap.height();
    const QSize Size = IsVertical(FOrientation) ? QSize(H, W) : QSize(W, H);
    if (FTurnedBitmap.size() != Size)
        FTurnedBitmap = QImage(Size, QImage::Format_RGB32);
    if (FTurnedBitmap.isNull())
        return;
    for (int Y = 0; Y < H; ++Y) {
        const QRgb* Row = reinterpret_cast<const QRgb*>(FDrawBitmap.constScanLine(Y));
        for (int X = 0; X < W; ++X) {
            QPoint To;
            switch (FOrientation) {
            case otUp: To = QPoint(X, Y); break;
            case otDown: To = QPoint(W - 1 - X, H - 1 - Y); break;
            case otLeft: To = QPoint(Y, W - 1 - X); break;
            case otRight: To = QPoint(H - 1 - Y, X); break;
            }
            reinterpret_cast<QRgb*>(FTurnedBitmap.scanLine(To.y()))[To.x()] = Row[X];
        }
    }
}
