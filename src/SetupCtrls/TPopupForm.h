// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <functional>

#include "Events.h"

class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class TBoardHighlight;

// The stay-on-top tool window that a highlight circle opens: it hosts the circle's option
// panel, shows the panel's explanatory lines and leads to the neighbouring circles.
// Closing it only hides it; it lives as long as the circle that built it.
class TPopupForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    TPopupForm(TBoardHighlight* Circle);

    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    TBoardHighlight* Circle() const { return FCircle; }

    // The frame's share of the outer size, as far as the window system has reported it.
    QSize FrameExtra() const;
    // The window with its frame, in screen coordinates.
    QRect OuterRect() const;
    void SetOuterSize(QSize Outer);
    // The status bar, the three buttons and the memo along the bottom of the client area.
    void BuildControls(int MemoHeight, const QStringList& Lines);
    // Moves the window so that its frame lies on the primary screen.
    void MoveOntoScreen();
    // Runs Rule now and once more when the window system first reports the frame, which
    // it may do only after the window is shown.
    void ApplyFrameRule(std::function<void()> Rule);

    QStatusBar* PopupStatus = nullptr;
    QPushButton* PreviousButton = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* DoneButton = nullptr;
    QPlainTextEdit* StatusMemo = nullptr;
    bool CloseOnLeave = false;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

protected:
    bool event(QEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void leaveEvent(QEvent* Event) override;

private:
    TBoardHighlight* FCircle;
    int FTag = 0;
    std::function<void()> FFrameRule;
};
