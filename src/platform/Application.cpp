// SPDX-License-Identifier: MIT
#include "Application.h"

#include <QAbstractEventDispatcher>
#include <QMessageBox>
#include <QTimer>

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv)
{
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TApplication::Idle);
}

TApplication* TApplication::Instance()
{
    return qobject_cast<TApplication*>(QCoreApplication::instance());
}

void TApplication::HandleException(QObject*, const std::exception& Error)
{
    QMessageBox::critical(activeWindow(), applicationName(), QString::fromUtf8(Error.what()));
}

bool TApplication::notify(QObject* Receiver, QEvent* Event)
{
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const std::exception& Error) {
        HandleException(Receiver, Error);
    } catch (...) {
        HandleException(Receiver, std::runtime_error("Unknown error"));
    }
    return false;
}

void TApplication::Idle()
{
    // A message box shown from the idle handler runs a loop of its own that blocks too.
    if (!OnIdle || FIdleRunning)
        return;
    FIdleRunning = true;
    bool Done = true;
    // The handler may unassign itself, so it runs from a copy.
    const TIdleEvent Handler = OnIdle;
    try {
        Handler(this, Done);
    } catch (const std::exception& Error) {
        HandleException(this, Error);
    }
    FIdleRunning = false;
    if (!Done)
        QTimer::singleShot(0, this, [] {});
}
