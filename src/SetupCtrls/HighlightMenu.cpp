// SPDX-License-Identifier: MIT
#include "HighlightMenu.h"

#include <QMenu>
#include <QMenuBar>

namespace HighlightMenu {

namespace {

// The captions before which a new group of Type goes.
QStringList CaptionsAfter(TBoardHighlight::THighlightType Type)
{
    switch (Type) {
    case TBoardHighlight::htSettings:
        return {QStringLiteral("&Calibration"), QStringLiteral("&Options"), QStringLiteral("&Help")};
    case TBoardHighlight::htCalibration:
        return {QStringLiteral("&Options"), QStringLiteral("&Help")};
    case TBoardHighlight::htOptions:
        return {QStringLiteral("&Help")};
    }
    return {};
}

} // namespace

QString GroupCaption(TBoardHighlight::THighlightType Type)
{
    switch (Type) {
    case TBoardHighlight::htOptions:
        return QStringLiteral("&Options");
    case TBoardHighlight::htSettings:
        return QStringLiteral("&Settings");
    case TBoardHighlight::htCalibration:
        return QStringLiteral("&Calibration");
    }
    return {};
}

QMenu* FindGroup(const QMenuBar* Menu, const QString& Caption)
{
    for (const QAction* Item : Menu->actions())
        if (Item->text() == Caption && Item->menu())
            return Item->menu();
    return nullptr;
}

QMenu* AddGroup(QMenuBar* Menu, TBoardHighlight::THighlightType Type)
{
    const QString Caption = GroupCaption(Type);
    QWidget* Owner = Menu->window();
    auto* Group = new QMenu(Caption, Owner);
    Group->setObjectName(FreeName(Owner, Caption.mid(1)));
    const QStringList After = CaptionsAfter(Type);
    QAction* Before = nullptr;
    for (QAction* Item : Menu->actions())
        if (After.contains(Item->text())) {
            Before = Item;
            break;
        }
    Menu->insertMenu(Before, Group);
    return Group;
}

QAction* FindEntry(const QMenu* Group, const QString& Title)
{
    for (QAction* Entry : Group->actions())
        if (Entry->text() == Title)
            return Entry;
    return nullptr;
}

QAction* FindEntry(const QMenuBar* Menu, TBoardHighlight::THighlightType Type,
                   const QString& Title, QMenu** Group)
{
    const QString Caption = GroupCaption(Type);
    for (const QAction* Item : Menu->actions()) {
        if (Item->text() != Caption || !Item->menu())
            continue;
        if (QAction* Entry = FindEntry(Item->menu(), Title)) {
            if (Group)
                *Group = Item->menu();
            return Entry;
        }
    }
    return nullptr;
}

QString FreeName(const QObject* Owner, const QString& Stem)
{
    for (int Number = 1;; ++Number) {
        const QString Name = Stem + QString::number(Number);
        if (!Owner || !Owner->findChild<QObject*>(Name))
            return Name;
    }
}

} // namespace HighlightMenu
