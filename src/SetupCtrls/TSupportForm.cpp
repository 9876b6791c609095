// SPDX-License-Identifier: MIT
#include "TSupportForm.h"

#include <QMainWindow>
#include <QPlainTextEdit>
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

QPlainTextEdit* TSupportForm::AddMemo(const QString& Name)
{
    auto* Memo = new QPlainTextEdit(this);
    Memo->setObjectName(Name);
    Memo->setGeometry(8, 8, 305, 89);
    Memo->setReadOnly(true);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return Memo;
}

QPushButton* TSupportForm::AddCloseButton(int Left, QWidget* Memo)
{
    auto* Button = new QPushButton(QStringLiteral("Close"), this);
    Button->setObjectName(QStringLiteral("CloseButton"));
    Button->setGeometry(Left, 105, 73, 25);
    SetCancelButton(Button);
    setTabOrder(Button, Memo);
    Button->setFocus();
    return Button;
}
