// SPDX-License-Identifier: MIT
#pragma once

#include <QFlags>

class QWidget;

enum TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(TAnchors)

// Control keeps its distance to each anchored edge of its parent's client area when the
// parent is resized. Along an axis with neither edge anchored it keeps its size and its
// centre at the same fraction of the parent's extent.
void SetAnchors(QWidget* Control, TAnchors Anchors);
TAnchors Anchors(const QWidget* Control);
