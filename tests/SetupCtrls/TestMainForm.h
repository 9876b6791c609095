// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

// A bare main window as a card page has one: a client area and a menu bar with a File
// menu (under the given caption) holding Exit, and a Help menu.
class TTestMainForm : public QMainWindow {
public:
    explicit TTestMainForm(const QString& FileCaption = QStringLiteral("&File"))
        : ClientArea(new QWidget(this))
    {
        ClientArea->setObjectName(QStringLiteral("ClientArea"));
        setCentralWidget(ClientArea);
        auto* Bar = new QMenuBar(this);
        setMenuBar(Bar);
        File = Bar->addMenu(FileCaption);
        Exit = File->addAction(QStringLiteral("&Exit"));
        Bar->addMenu(QStringLiteral("&Help"));
        resize(700, 500);
    }

    QWidget* ClientArea;
    QMenu* File;
    QAction* Exit;
};
