// SPDX-License-Identifier: MIT
#pragma once

#include "TSupportForm.h"

class QLabel;
class QPushButton;
class QTextBrowser;

// The "How to use this program" window: the help document and the Start button that
// begins the tour at the board image's first circle.
class THelpForm : public TSupportForm {
    Q_OBJECT

public:
    // HelpDocument is rich text (RTF).
    THelpForm(QWidget* MainForm, const QString& HelpDocument);

    // The client size on a screen of ScreenSize: larger screens get a proportionally
    // larger window, never a smaller one.
    static QSize ScaledClientSize(QSize ClientSize, QSize ScreenSize);

    void StartButtonClick(QObject* Sender);

    void setVisible(bool Visible) override;

    QTextBrowser* HelpRich;
    QLabel* HelpLabel;
    QPushButton* StartButton;

private:
    void CenterOnMainForm();

    bool FPlaced = false;
};
