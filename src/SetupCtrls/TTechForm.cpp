// SPDX-License-Identifier: MIT
#include "TTechForm.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "Anchors.h"

TTechForm::TTechForm(QWidget* MainForm, const QString& Text)
    : TSupportForm(MainForm),
      TechMemo(AddMemo(QStringLiteral("TechMemo"))),
      CloseButton(AddCloseButton(165, TechMemo))
{
    setObjectName(QStringLiteral("TechForm"));
    setWindowTitle(QStringLiteral("Technical Support"));
    TechMemo->setPlainText(Text);

    FitToControls();
    SetAnchors(TechMemo, akLeft | akTop | akRight | akBottom);
    CloseButton->move((width() - CloseButton->width()) / 2, CloseButton->y());
    SetAnchors(CloseButton, akBottom);
}
