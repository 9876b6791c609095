// SPDX-License-Identifier: MIT
#include "Messages.h"

TMessageEvent::TMessageEvent(int Msg, qintptr WParam, qintptr LParam)
    : QEvent(EventType()), Msg(Msg), WParam(WParam), LParam(LParam)
{
}

QEvent::Type TMessageEvent::EventType()
{
    static const QEvent::Type Type = QEvent::Type(QEvent::registerEventType());
    return Type;
}
