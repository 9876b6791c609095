// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include "ui_template.h"

// The main window of the card page: its components come from the card page description;
// its handlers tie the option controls to the drawn jumpers.
class TMainForm : public QMainWindow, public Ui::TMainForm {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* Parent = nullptr);

    void Exit2Click(QObject* Sender);
};
