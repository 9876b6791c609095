// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

#include <functional>

class QWidget;

// Puts a top-level window's outer rectangle, frame included, where a rule says. The frame is
// known only once the window system reports it; on X11 that is after the window manager has
// framed the shown window. The rule is applied at once with the frame known so far and once
// more when the frame first becomes known. Positions and sizes the window system reports
// meanwhile never feed back into the rule, so a window framed on a busy desktop ends where
// a window framed on a quiet one does.
class TOuterPlacement : public QObject {
    Q_OBJECT

public:
    // Outer rectangle of the window in screen coordinates, given its frame.
    using TRule = std::function<QRect(QMargins Frame)>;

    static void Apply(QWidget* Window, TRule Rule);
    // The window's frame as far as the window system has reported it; none before.
    static QMargins Frame(const QWidget* Window);
    // The window with its frame, in screen coordinates.
    static QRect OuterRect(const QWidget* Window);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    TOuterPlacement(QWidget* Window, TRule Rule);
    void Place(QMargins Frame);

    QWidget* FWindow;
    TRule FRule;
};
