// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <chrono>
#include <sys/types.h>
#include <vector>

// The X desktop seen from outside the programs under measurement: their top-level
// windows, the screen's pixels and the pointer. X11 only, like the benchmarks it serves.
class TXDesktop {
public:
    struct TWindow {
        unsigned long Id = 0;
        QString Title;
        QRect Client; // the client area in screen coordinates
    };

    TXDesktop();
    ~TXDesktop();
    bool Opened() const { return FDisplay != nullptr; }

    // The viewable top-level windows of the process Pid, in the window manager's order.
    std::vector<TWindow> Windows(pid_t Pid) const;
    QImage Grab(const QRect& Area) const;
    QImage GrabScreen() const;
    void MovePointer(QPoint Point) const;
    // Asks the window to close, as its close box does.
    void Close(unsigned long Window) const;

private:
    struct _XDisplay* FDisplay = nullptr;
};

// A program started for one measurement; it is killed and reaped by the destructor
// unless Finish was called.
class TChild {
public:
    explicit TChild(const QStringList& Command);
    ~TChild();
    pid_t Pid() const { return FPid; }
    double ElapsedMs() const;
    // Kills the program and returns its CPU time in milliseconds and peak resident
    // memory in MiB.
    std::pair<double, double> Finish();
    // Resident memory now, in MiB.
    double ResidentMiB() const;

private:
    pid_t FPid = -1;
    std::chrono::steady_clock::time_point FStart;
};
