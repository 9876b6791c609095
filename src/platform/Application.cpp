// SPDX-License-Identifier: MIT
#include "Application.h"

#include <QAbstractEventDispatcher>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include "Guard.h"

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv)
{
    // Card pages name the classic desktop fonts; these stand in with close metrics, so
    // that texts fit the controls they were laid out for.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    // The class library's forms default to this font; popups and support windows take it
    // just as the main window, whose card page gives it explicitly.
    setFont(FormFont());
    // Check boxes were laid out for a 13-pixel box with a narrow gap before the caption.
    setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; }"
                                 " QCheckBox::indicator { width: 13px; height: 13px; }"));
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TApplication::Idle);
}

TApplication* TApplication::Instance()
{
    return qobject_cast<TApplication*>(QCoreApplication::instance());
}

QFont TApplication::FormFont()
{
    QFont Font(QStringLiteral("MS Sans Serif"));
    Font.setPixelSize(11);
    return Font;
}

void TApplication::HandleException(QObject*, const std::exception& Error)
{
    QMessageBox::critical(activeWindow(), applicationName(), QString::fromUtf8(Error.what()));
}

bool TApplication::PaintPending()
{
    // A shown window is painted as soon as the window system exposes it.
    for (const QWindow* Window : topLevelWindows())
        if (Window->isVisible() && !Window->isExposed() && Window->windowState() != Qt::WindowMinimized)
            return true;
    return false;
}

void TApplication::Idle()
{
    // A message box shown from the idle handler runs a loop of its own that blocks too.
    // A window waiting to be painted counts as a message waiting: the start-up work that
    // idle runs comes after the main window's first paint.
    if (!OnIdle || FIdleRunning || PaintPending())
        return;
    FIdleRunning = true;
    bool Done = true;
    // The handler may unassign itself, so it runs from a copy.
    const TIdleEvent Handler = OnIdle;
    Guarded([&] { Handler(this, Done); });
    FIdleRunning = false;
    if (!Done)
        QTimer::singleShot(0, this, [] {});
}
