// SPDX-License-Identifier: MIT
#include "TSupportForm.h"

#include <QMainWindow>
#include <QPushButton>
#include <QShortcut>

TSupportForm::TSupportForm(QWidget* MainForm)
    : QWidget(MainForm, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    // Only the size: the window system chooses where a new window opens.
    resize(320, 240);
}

QWidget* TSupportForm::ClientAreaOf(QWidget* Form)
{
    if (const auto* Window = qobject_cast<QMainWindow*>(Form); Window && Window->centralWidget())
        return Window->centralWidget();
    return Form;
}

void TSupportForm::FitToControls()
{
    const QList<QWidget*> Controls = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QRect Box;
    for (const QWidget* Control : Controls)
        if (!Control->isHidden())
            Box = Box.united(Control->geometry());
    if (Box.isEmpty())
        return;
    for (QWidget* Control : Controls)
        Control->move(Control->pos() - Box.topLeft());
    resize(Box.size());
}

void TSupportForm::SetCancelButton(QPushButton* Button)
{
    auto* Escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(Escape, &QShortcut::activated, Button, &QPushButton::click);
}
