// SPDX-License-Identifier: MIT
#pragma once

#include "TSupportForm.h"

class QPlainTextEdit;
class QPushButton;

// The "Technical Support" window: how to reach the maker. Its Close button is wired by
// the supporter.
class TTechForm : public TSupportForm {
    Q_OBJECT

public:
    TTechForm(QWidget* MainForm, const QString& Text);

    QPlainTextEdit* TechMemo;
    QPushButton* CloseButton;
};
