// SPDX-License-Identifier: MIT
#include "TPCIForm.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "Anchors.h"

TPCIForm::TPCIForm(QWidget* MainForm, const QString& CardName)
    : TSupportForm(MainForm),
      PCIMemo(AddMemo(QStringLiteral("PCIMemo"))),
      // Centred in the blank window's width of 320; the fitting moves it, and it stays there.
      CloseButton(AddCloseButton((320 - 73) / 2, PCIMemo))
{
    setObjectName(QStringLiteral("PCIForm"));
    setWindowTitle(CardName + QStringLiteral(" Cards installed"));
    PCIMemo->setFont(QFont(QStringLiteral("Tahoma"), 10, QFont::Bold));

    FitToControls();
    SetAnchors(PCIMemo, akLeft | akTop | akRight | akBottom);
    SetAnchors(CloseButton, akBottom);
}
