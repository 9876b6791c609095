// SPDX-License-Identifier: MIT
#pragma once

#include <QEventLoop>
#include <QTimer>

// Runs the event loop so that it really waits, which is when the application goes idle.
inline void WaitIdle(int Milliseconds)
{
    QEventLoop Loop;
    QTimer::singleShot(Milliseconds, &Loop, &QEventLoop::quit);
    Loop.exec();
}
