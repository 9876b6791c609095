// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <exception>

#include "Events.h"

// The application object: raises OnIdle whenever the message loop finds nothing waiting
// and no shown window waits to be painted, and shows the errors that the guard of every
// entry from Qt (Guard.h) catches.
class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& Argc, char** Argv);

    static TApplication* Instance();
    // The class library's form font: "MS Sans Serif" of 11 pixels.
    static QFont FormFont();

    // Shows the error's text in a message box; the program then goes on.
    void HandleException(QObject* Sender, const std::exception& Error);

    TIdleEvent OnIdle;

private:
    void Idle();
    static bool PaintPending();

    bool FIdleRunning = false;
};
