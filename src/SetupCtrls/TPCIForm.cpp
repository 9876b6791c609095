// SPDX-License-Identifier: MIT
#include "TPCIForm.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "Anchors.h"

TPCIForm::TPCIForm(QWidget* MainForm, const QString& CardName)
    : TSupportForm(MainForm), PCIMemo(new QPlainTextEdit(this)), CloseButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("PCIForm"));
    setWindowTitle(CardName + QStringLiteral(" Cards installed"));

    PCIMemo->setObjectName(QStringLiteral("PCIMemo"));
    PCIMemo->setGeometry(8, 8, 305, 89);
    PCIMemo->setFont(QFont(QStringLiteral("Tahoma"), 10, QFont::Bold));
    PCIMemo->setReadOnly(true);
    PCIMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // Centred in the blank window's width of 320; the fitting moves it, and it stays there.
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setText(QStringLiteral("Close"));
    CloseButton->setGeometry((320 - 73) / 2, 105, 73, 25);
    SetCancelButton(CloseButton);
    setTabOrder(CloseButton, PCIMemo);
    CloseButton->setFocus();

    FitToControls();
    SetAnchors(PCIMemo, akLeft | akTop | akRight | akBottom);
    SetAnchors(CloseButton, akBottom);
}
