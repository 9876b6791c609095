// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a circle's popup opens and how large, as plain arithmetic on positions and sizes.
// Outer rectangles count the window frame.
namespace PopupGeometry {

// With a panel on a board image: the panel's stored place on the main window, moved by as
// much as the board image has moved since its first paint.
QPoint PanelPlace(QPoint Board, QPoint BoardDesigned, QPoint PanelStored);
// Without a panel: 38 pixels below the bottom edge of Parent.
QPoint BelowParent(const QRect& Parent);
// With a panel the client area plus the frame, otherwise 194 x 141; at least 194 x 122.
QSize OuterSize(bool HasPanel, QSize Client, QMargins Frame);
// Moved left or up until it ends at the screen's edge, then right or down onto the screen.
QRect OntoScreen(const QRect& Outer, QSize Screen);

} // namespace PopupGeometry
