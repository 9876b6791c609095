// SPDX-License-Identifier: MIT
#include "OuterPlacement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

TOuterPlacement::TOuterPlacement(QWidget* Window, TRule Rule)
    : QObject(Window), FWindow(Window), FRule(std::move(Rule))
{
}

void TOuterPlacement::Apply(QWidget* Window, TRule Rule)
{
    // A window placed again gives up the watch of its earlier placement.
    for (TOuterPlacement* Earlier : Window->findChildren<TOuterPlacement*>(QString(), Qt::FindDirectChildrenOnly))
        delete Earlier;
    auto* Placement = new TOuterPlacement(Window, std::move(Rule));
    const QMargins Known = Frame(Window);
    Placement->Place(Known);
    if (Known.isNull())
        Window->installEventFilter(Placement);
    else
        delete Placement;
}

// Asked of the window itself: the widget learns of a new frame only with a later event.
// While a window manager reparents a window into a frame that is not yet sized, X11 reports
// margins worked out from that frame, below zero; such a frame is not known yet.
QMargins TOuterPlacement::Frame(const QWidget* Window)
{
    const QWindow* Handle = Window->windowHandle();
    const QMargins Reported = Handle ? Handle->frameMargins() : QMargins();
    if (Reported.left() < 0 || Reported.top() < 0 || Reported.right() < 0 || Reported.bottom() < 0)
        return QMargins();
    return Reported;
}

QRect TOuterPlacement::OuterRect(const QWidget* Window)
{
    const QWindow* Handle = Window->windowHandle();
    return Handle && Window->isVisible() ? Handle->frameGeometry() : Window->frameGeometry();
}

void TOuterPlacement::Place(QMargins Frame)
{
    const QRect Outer = FRule(Frame);
    if (!FWindow->testAttribute(Qt::WA_WState_Created)) {
        // Not yet made: the window manager puts the frame at a position moved to now.
        FWindow->resize(Outer.size().shrunkBy(Frame));
        FWindow->move(Outer.topLeft());
    } else {
        FWindow->setGeometry(Outer.marginsRemoved(Frame));
    }
}

bool TOuterPlacement::eventFilter(QObject* Watched, QEvent* Event)
{
    const QEvent::Type Type = Event->type();
    if (Watched == FWindow && (Type == QEvent::Move || Type == QEvent::Resize || Type == QEvent::Show)) {
        if (const QMargins Known = Frame(FWindow); !Known.isNull()) {
            FWindow->removeEventFilter(this);
            Place(Known);
            deleteLater();
        }
    }
    return QObject::eventFilter(Watched, Event);
}
