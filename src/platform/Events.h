// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QObject;

// Events are plain callables with the sender first; an empty one is skipped by the caller.
using TNotifyEvent = std::function<void(QObject* Sender)>;
using TIdleEvent = std::function<void(QObject* Sender, bool& Done)>;
using TKeyPressEvent = std::function<void(QObject* Sender, char16_t& Key)>;
