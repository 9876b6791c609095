// SPDX-License-Identifier: MIT
#pragma once

#include <QEvent>

// The program's private window messages, delivered as events of one custom type.
constexpr int WM_USER = 0x0400;
constexpr int WM_BOARDSTART = WM_USER + 162;

class TMessageEvent : public QEvent {
public:
    explicit TMessageEvent(int Msg, qintptr WParam = 0, qintptr LParam = 0);

    static QEvent::Type EventType();

    const int Msg;
    const qintptr WParam;
    const qintptr LParam;
};
