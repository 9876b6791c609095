// SPDX-License-Identifier: MIT
#include "Colors.h"

#include <QGuiApplication>
#include <QPalette>

QColor ColorToQColor(TColor Color)
{
    if (Color < 0) {
        const QPalette Palette = QGuiApplication::palette();
        switch (Color) {
        case clBtnFace:
            return Palette.color(QPalette::Button);
        case clWindowText:
            return Palette.color(QPalette::WindowText);
        default:
            return Palette.color(QPalette::Window);
        }
    }
    const quint32 Value = quint32(Color);
    return QColor(Value & 0xFF, (Value >> 8) & 0xFF, (Value >> 16) & 0xFF);
}
