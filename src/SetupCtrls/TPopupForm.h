// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

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

    // The window with its frame, in screen coordinates.
    QRect OuterRect() const;
    // The status bar, the three buttons and the memo along the bottom of the client area.
    void BuildControls(int MemoHeight, const QStringList& Lines);

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
};
