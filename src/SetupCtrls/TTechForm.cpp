// SPDX-License-Identifier: MIT
#include "TTechForm.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "Anchors.h"

TTechForm::TTechForm(QWidget* MainForm, const QString& Text)
    : TSupportForm(MainForm), TechMemo(new QPlainTextEdit(this)), CloseButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("TechForm"));
    setWindowTitle(QStringLiteral("Technical Support"));

    TechMemo->setObjectName(QStringLiteral("TechMemo"));
    TechMemo->setGeometry(8, 8, 305, 89);
    TechMemo->setReadOnly(true);
    TechMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TechMemo->setPlainText(Text);

    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setText(QStringLiteral("Close"));
    CloseButton->setGeometry(165, 105, 73, 25);
    SetCancelButton(CloseButton);
    setTabOrder(CloseButton, TechMemo);
    CloseButton->setFocus();

    FitToControls();
    SetAnchors(TechMemo, akLeft | akTop | akRight | akBottom);
    CloseButton->move((width() - CloseButton->width()) / 2, CloseButton->y());
    SetAnchors(CloseButton, akBottom);
}
