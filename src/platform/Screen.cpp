// SPDX-License-Identifier: MIT
#include "Screen.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

int TScreen::Width()
{
    const QScreen* Primary = QGuiApplication::primaryScreen();
    return Primary ? Primary->geometry().width() : 0;
}

int TScreen::Height()
{
    const QScreen* Primary = QGuiApplication::primaryScreen();
    return Primary ? Primary->geometry().height() : 0;
}

QWidgetList TScreen::Forms()
{
    // Menus and tool tips are windows too, but no forms.
    QWidgetList Forms;
    for (QWidget* Window : QApplication::topLevelWidgets()) {
        const Qt::WindowType Type = Window->windowType();
        if (Type != Qt::Popup && Type != Qt::ToolTip && Type != Qt::Desktop)
            Forms.append(Window);
    }
    return Forms;
}
