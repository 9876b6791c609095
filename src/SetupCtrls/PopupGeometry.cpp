// SPDX-License-Identifier: MIT
#include "PopupGeometry.h"

namespace PopupGeometry {

QPoint PanelPlace(QPoint Board, QPoint BoardDesigned, QPoint PanelStored)
{
    return Board - (BoardDesigned - PanelStored);
}

QPoint BelowParent(const QRect& Parent)
{
    return QPoint(Parent.x(), Parent.y() + Parent.height() + 38);
}

QSize OuterSize(bool HasPanel, QSize Client, QMargins Frame)
{
    const QSize FrameSize(Frame.left() + Frame.right(), Frame.top() + Frame.bottom());
    return (HasPanel ? Client + FrameSize : QSize(194, 141)).expandedTo(QSize(194, 122));
}

QRect OntoScreen(const QRect& Outer, QSize Screen)
{
    const auto Fit = [](int Start, int Length, int ScreenLength) {
        if (Start < 0)
            return 0;
        if (Start + Length > ScreenLength)
            return ScreenLength - Length;
        return Start;
    };
    return QRect(QPoint(Fit(Outer.x(), Outer.width(), Screen.width()),
                        Fit(Outer.y(), Outer.height(), Screen.height())),
                 Outer.size());
}

} // namespace PopupGeometry
