// SPDX-License-Identifier: MIT
#include "TRadioPanel.h"

#include <QApplication>
#include <QPainter>

#include "ExactClass.h"
#include "Guard.h"
#include "Property.h"
#include "TTwoJumper.h"

TRadioPanel::TRadioPanel(QWidget* Parent) : QWidget(Parent)
{
    resize(194, 100);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            GuardedSlot([this](QWidget*, QWidget* Now) { FocusChanged(Now); }));
}

void TRadioPanel::SetBevelInner(TBevelCut Value)
{
    if (Value >= bvNone && Value <= bvRaised && ChangeProperty(FBevelInner, Value))
        update();
}

void TRadioPanel::SetBevelOuter(TBevelCut Value)
{
    if (Value >= bvNone && Value <= bvRaised && ChangeProperty(FBevelOuter, Value))
        update();
}

void TRadioPanel::SetBevelWidth(int Value)
{
    if (Value >= 1 && ChangeProperty(FBevelWidth, Value))
        update();
}

void TRadioPanel::SetBorderWidth(int Value)
{
    if (Value >= 0 && ChangeProperty(FBorderWidth, Value))
        update();
}

void TRadioPanel::SetColor(TColor Value)
{
    if (ChangeProperty(FColor, Value))
        update();
}

// Until the popup takes the panel over, the panel keeps its anchors at left and top.
void TRadioPanel::SetFinalAnchors(TAnchors Value)
{
    FFinalAnchors = Value;
    if (FInPopup)
        SetAnchors(this, Value);
}

void TRadioPanel::SelectJumper(TTwoJumper* Clicked)
{
    bool Changed = false;
    const QObjectList Children = children();
    for (QObject* Child : Children) {
        TTwoJumper* Jumper = ExactCast<TTwoJumper>(Child);
        if (!Jumper)
            continue;
        const bool Closed = Jumper == Clicked;
        Changed = Changed || Jumper->Closed() != Closed;
        Jumper->SetClosed(Closed);
    }
    if (Changed && OnRadioChange)
        OnRadioChange(Clicked);
}

bool TRadioPanel::Holds(const QWidget* Widget) const
{
    return Widget == this || isAncestorOf(Widget);
}

// The panel is entered when its window's focus moves from a control outside the panel to
// one inside it. The window's last focused control is remembered across deactivation, so
// the focus coming back with the window's activation is no entry, while the first focus of
// a new window is one, whenever the window system gets round to activating it.
void TRadioPanel::FocusChanged(QWidget* Now)
{
    if (!Now || Now->window() != window())
        return;
    const bool WasInside = FLastFocus && FLastFocus->window() == window() && Holds(FLastFocus);
    FLastFocus = Now;
    if (Holds(Now) && !WasInside && OnEnter)
        OnEnter(this);
}

void TRadioPanel::paintEvent(QPaintEvent*)
{
    Guarded([this] {
        QPainter Painter(this);
        QRect Box = rect();
        Painter.fillRect(Box, ColorToQColor(FColor));
        DrawBevel(Painter, Box, FBevelOuter);
        const int Border = qMin(FBorderWidth, qMax(Box.width(), Box.height()));
        Box.adjust(Border, Border, -Border, -Border);
        DrawBevel(Painter, Box, FBevelInner);
    });
}

// A raised bevel is light at the top and left and dark at the bottom and right; a lowered
// one the other way round. Each ring of the bevel narrows Box by one pixel.
void TRadioPanel::DrawBevel(QPainter& Painter, QRect& Box, TBevelCut Bevel) const
{
    if (Bevel == bvNone)
        return;
    const QColor Light = palette().color(QPalette::Light);
    const QColor Dark = palette().color(QPalette::Dark);
    const QColor& TopLeft = Bevel == bvRaised ? Light : Dark;
    const QColor& BottomRight = Bevel == bvRaised ? Dark : Light;
    for (int Ring = 0; Ring < FBevelWidth && !Box.isEmpty(); ++Ring) {
        Painter.fillRect(Box.left(), Box.top(), Box.width(), 1, TopLeft);
        Painter.fillRect(Box.left(), Box.top(), 1, Box.height(), TopLeft);
        Painter.fillRect(Box.left(), Box.bottom(), Box.width(), 1, BottomRight);
        Painter.fillRect(Box.right(), Box.top(), 1, Box.height(), BottomRight);
        Box.adjust(1, 1, -1, -1);
    }
}
