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
    return QApplication::topLevelWidgets();
}
