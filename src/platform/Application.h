// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include <exception>

#include "Events.h"

// The application object: raises OnIdle whenever the message loop finds nothing waiting
// and no shown window waits for its first paint, and catches every error that a handler,
// timer tick or paint raises before it can reach Qt's event machinery, shows its text and
// carries on.
class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& Argc, char** Argv);

    static TApplication* Instance();
    // The class library's form font: "MS Sans Serif" of 11 pixels.
    static QFont FormFont();

    // Shows the error's text in a message box; the program then goes on.
    void HandleException(QObject* Sender, const std::exception& Error);

    bool notify(QObject* Receiver, QEvent* Event) override;

    TIdleEvent OnIdle;

private:
    void Idle();
    static bool PaintPending();

    bool FIdleRunning = false;
};
