// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QMargins>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

// How long an end-to-end test waits for what it needs on a loaded machine.
constexpr int Patience = 30000;

// The real X desktop of an end-to-end test: the program under test, the pointer and the
// keyboard driven with xdotool, and the screen read back.
class TDesktop {
public:
    TDesktop();
    ~TDesktop();

    // Starts the Settings program and waits for its maximised "Setup" window.
    bool StartSettings();
    // Starts Program and waits for its window whose title matches Title, maximised where a
    // window manager can maximise it.
    bool Start(const QString& Program, const QString& Title);
    QProcess& Program() { return FProgram; }
    QString MainWindow() const { return FMainWindow; }

    // The id of the first visible window whose title matches Pattern, or empty.
    static QString WaitForWindow(const QString& Pattern, int TimeoutMs = Patience);
    static QRect WindowGeometry(const QString& Window);
    // The client area of a window on the screen, as the X server reports it.
    static QRect ClientArea(const QString& Window);
    // The frame the window manager draws around a window (_NET_FRAME_EXTENTS); none without one.
    static QMargins FrameExtents(const QString& Window);
    // The window with its frame, in screen coordinates.
    static QRect OuterRect(const QString& Window);
    static bool WindowManagerRunning();
    static QStringList WindowState(const QString& Window);
    static QImage Grab();
    static bool Xdotool(const QStringList& Arguments, QString* Output = nullptr);
    // Raises Window and gives it the keyboard.
    static void Activate(const QString& Window);
    // Chooses a menu command of Window with its access keys, as "alt+f" then "e".
    static void ChooseMenu(const QString& Window, const QString& MenuKey, const QString& ItemKey);
    static void MovePointer(int X, int Y);
    static void MovePointer(QPoint Point) { MovePointer(Point.x(), Point.y()); }
    static void Click();
    static void Keys(const QString& Keys);
    static void Type(const QString& Text);

    // Where the top-left corner of Patch stands on the screen, or (-1, -1).
    static QPoint Find(const QImage& Screen, const QImage& Patch);
    // Where Picture's origin stands on the screen, found by its 24 x 24 patch at PatchAt,
    // or (-1, -1).
    static QPoint Locate(const QImage& Picture, QPoint PatchAt);
    // Whether a visible window's title matches Pattern.
    static bool WindowShown(const QString& Pattern);

private:
    static QString FirstVisible(const QString& Pattern);
    static QStringList Property(const QString& Window, const char* Name);

    QProcess FProgram;
    QString FMainWindow;
};
