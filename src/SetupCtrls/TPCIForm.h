// SPDX-License-Identifier: MIT
#pragma once

#include "TSupportForm.h"

class QPlainTextEdit;
class QPushButton;

// The installed-cards window. The supporter fills its memo with the card listing and
// wires its Close button.
class TPCIForm : public TSupportForm {
    Q_OBJECT

public:
    TPCIForm(QWidget* MainForm, const QString& CardName);

    QPlainTextEdit* PCIMemo;
    QPushButton* CloseButton;
};
