// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The common ground of the supporter's small windows: a sizeable stay-on-top window owned
// by the main window, built in code, hidden until shown, and fitted to its controls.
class TSupportForm : public QWidget {
    Q_OBJECT

public:
    explicit TSupportForm(QWidget* MainForm);

    // Where a form keeps its controls: a main window's central widget, else the form itself.
    static QWidget* ClientAreaOf(QWidget* Form);

protected:
    // Makes the client area exactly the bounding box of the visible controls and moves
    // every control so that the box's corner falls on the origin.
    void FitToControls();
    // Esc presses Button.
    void SetCancelButton(QPushButton* Button);
    // The read-only text at the top left, with its vertical scroll bar always shown.
    QPlainTextEdit* AddMemo(const QString& Name);
    // "Close" along the bottom: Esc presses it, it holds the focus and comes before Memo.
    QPushButton* AddCloseButton(int Left, QWidget* Memo);
    QWidget* MainForm() const { return parentWidget(); }
};
