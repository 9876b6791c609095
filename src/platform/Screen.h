// SPDX-License-Identifier: MIT
#pragma once

#include <QWidgetList>

// The primary screen and the program's forms.
class TScreen {
public:
    static int Width();
    static int Height();
    // Every form of the program, shown or hidden.
    static QWidgetList Forms();
};
