// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "Probes.h"
#include "TRadioPanel.h"
#include "TTwoJumper.h"
#include "template.h"

// The card page with one option panel taken over by a tool window, as its popup does,
// beside a button of that window outside the panel.
struct TCardPage {
    TMainForm Form;
    QWidget Popup{nullptr, Qt::Tool};
    QPushButton* Done = new QPushButton(QStringLiteral("Done"), &Popup);

    // Shows the panel in the window with the focus on the button, then gives the panel the
    // focus, which enters it.
    bool Enter(TRadioPanel* Panel)
    {
        Panel->setParent(&Popup);
        Panel->move(0, 0);
        Panel->show();
        Done->move(0, Panel->height() + 6);
        Popup.resize(qMax(Panel->width(), 100), Panel->height() + 40);
        Popup.show();
        Popup.activateWindow();
        if (!QTest::qWaitForWindowActive(&Popup))
            return false;
        Done->setFocus();
        Panel->setFocus();
        return Panel->hasFocus();
    }

    // The focus leaves the panel for the button and comes back to Control.
    void LeaveAndComeBack(QWidget* Control)
    {
        Done->setFocus();
        Control->setFocus();
    }
};
