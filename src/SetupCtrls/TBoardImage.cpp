// SPDX-License-Identifier: MIT
#include "TBoardImage.h"

#include <QMainWindow>
#include <QPainter>
#include <QScopeGuard>

#include "Guard.h"
#include "Messages.h"
#include "Property.h"
#include "TBoardHighlight.h"

TBoardImage::TBoardImage(QWidget* Parent) : QWidget(Parent)
{
    resize(105, 105);
    FPicture.OnChange = [this] { HandlePictureChange(); };
}

void TBoardImage::SetCenterOnForm(bool Value)
{
    if (ChangeProperty(FCenterOnForm, Value))
        update();
}

void TBoardImage::SetScale(bool Value)
{
    if (ChangeProperty(FScale, Value))
        HandlePictureChange();
}

void TBoardImage::SetAutoSize(bool Value)
{
    if (ChangeProperty(FAutoSize, Value) && FAutoSize)
        resize(sizeHint());
}

void TBoardImage::SetCenter(bool Value)
{
    if (ChangeProperty(FCenter, Value))
        HandlePictureChange();
}

void TBoardImage::SetStretch(bool Value)
{
    if (ChangeProperty(FStretch, Value))
        HandlePictureChange();
}

void TBoardImage::SetTransparent(bool Value)
{
    if (ChangeProperty(FTransparent, Value))
        HandlePictureChange();
}

QRect TBoardImage::PictureRect() const
{
    if (FStretch)
        return rect();
    const int PictureWidth = FPicture.Width(), PictureHeight = FPicture.Height();
    if (FCenter)
        return QRect((width() - PictureWidth) / 2, (height() - PictureHeight) / 2, PictureWidth,
                     PictureHeight);
    return QRect(0, 0, PictureWidth, PictureHeight);
}

bool TBoardImage::CanAutoSize(int& NewWidth, int& NewHeight) const
{
    // Outside a designer there is no alignment, so both sides follow the picture.
    NewWidth = FPicture.Width();
    NewHeight = FPicture.Height();
    return true;
}

QSize TBoardImage::sizeHint() const
{
    int NewWidth = width(), NewHeight = height();
    if (FAutoSize)
        CanAutoSize(NewWidth, NewHeight);
    return QSize(NewWidth, NewHeight);
}

QImage TBoardImage::RenderRegion(const QRect& Region) const
{
    QImage Image(Region.size(), QImage::Format_RGB32);
    Image.fill(palette().color(backgroundRole()));
    QPainter Painter(&Image);
    Painter.translate(-Region.topLeft());
    DrawPicture(Painter);
    return Image;
}

bool TBoardImage::event(QEvent* Event)
{
    if (Event->type() == TMessageEvent::EventType()
        && static_cast<TMessageEvent*>(Event)->Msg == WM_BOARDSTART) {
        Guarded([this] { BoardStart(); });
        return true;
    }
    return QWidget::event(Event);
}

void TBoardImage::paintEvent(QPaintEvent*)
{
    Guarded([this] {
        if (!FPositionSaved) {
            FDesignLeft = x();
            FDesignTop = y();
            FPositionSaved = true;
        }
        if (FCenterOnForm)
            CenterInParent();

        const bool WasPainting = FPainting;
        FPainting = true;
        const auto Restore = qScopeGuard([this, WasPainting] { FPainting = WasPainting; });
        QPainter Painter(this);
        DrawPicture(Painter);
    });
}

void TBoardImage::HandlePictureChange()
{
    const int PictureWidth = FPicture.Width(), PictureHeight = FPicture.Height();
    if (PictureWidth > 0 && PictureHeight > 0) {
        FAspectRatio = double(PictureHeight) / PictureWidth;
        if (FAutoSize)
            setGeometry(x(), y(), PictureWidth, PictureHeight);
    }
    if (FPicture.HasGraphic()) {
        FPicture.SetTransparent(FTransparent);
        // A picture that covers the control needs no background erased before it.
        const bool Covers = FStretch || (PictureWidth >= width() && PictureHeight >= height());
        setAttribute(Qt::WA_OpaquePaintEvent, !FPicture.Transparent() && Covers);
    } else {
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }
    if (!FPainting)
        update();
}

QSize TBoardImage::ParentOuterSize() const
{
    const QWidget* Parent = parentWidget();
    // A form's client area stands for the form, whose outer size includes its frame.
    if (const auto* Form = qobject_cast<const QMainWindow*>(Parent->parentWidget());
        Form && Form->centralWidget() == Parent)
        return Form->frameGeometry().size();
    return Parent->isWindow() ? Parent->frameGeometry().size() : Parent->size();
}

void TBoardImage::CenterInParent()
{
    if (!parentWidget() || isWindow())
        return;
    const QSize Outer = ParentOuterSize();
    const QPoint Centred((Outer.width() - width()) / 2, (Outer.height() - height()) / 2);
    // A move made while the window is being painted would not be repainted, so it is made
    // right after this paint.
    if (pos() != Centred)
        QMetaObject::invokeMethod(this, GuardedSlot([this, Centred] { move(Centred); }),
                                  Qt::QueuedConnection);
}

void TBoardImage::DrawPicture(QPainter& Painter) const
{
    if (FPicture.HasGraphic())
        Painter.drawImage(PictureRect(), FPicture.Graphic());
}

void TBoardImage::BoardStart()
{
    // As if the user had moved onto the first circle, clicked it and moved away.
    if (!FFirst)
        return;
    FFirst->MouseEnter(false);
    FFirst->Click();
    FFirst->MouseLeave(false);
}
