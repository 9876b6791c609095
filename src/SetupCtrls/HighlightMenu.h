// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "TBoardHighlight.h"

class QAction;
class QMenu;
class QMenuBar;
class QObject;

// The menu groups that the circles add to their board's menu, one for each type, standing
// in the order Settings, Calibration, Options before Help, and their entries by title.
namespace HighlightMenu {

// "&Options", "&Settings" or "&Calibration"; empty for a type without a group.
QString GroupCaption(TBoardHighlight::THighlightType Type);
// The first top-level item of Menu with that caption.
QMenu* FindGroup(const QMenuBar* Menu, const QString& Caption);
// A new group for Type, owned by the menu's window and named after its caption.
QMenu* AddGroup(QMenuBar* Menu, TBoardHighlight::THighlightType Type);
QAction* FindEntry(const QMenu* Group, const QString& Title);
// The first entry titled Title in the first group of Type's caption that holds one.
QAction* FindEntry(const QMenuBar* Menu, TBoardHighlight::THighlightType Type,
                   const QString& Title, QMenu** Group);
// The lowest "<Stem><n>", n from 1, that no component of Owner is named yet.
QString FreeName(const QObject* Owner, const QString& Stem);

} // namespace HighlightMenu
