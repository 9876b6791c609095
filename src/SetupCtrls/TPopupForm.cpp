// SPDX-License-Identifier: MIT
#include "TPopupForm.h"

#include <QCloseEvent>
#include <QCursor>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

#include "Anchors.h"
#include "Guard.h"
#include "OuterPlacement.h"
#include "TBoardHighlight.h"

TPopupForm::TPopupForm(TBoardHighlight* Circle)
    : QWidget(Circle, Qt::Tool | Qt::WindowStaysOnTopHint), FCircle(Circle)
{
}

QRect TPopupForm::OuterRect() const
{
    return TOuterPlacement::OuterRect(this);
}

void TPopupForm::BuildControls(int MemoHeight, const QStringList& Lines)
{
    const int ClientWidth = width(), ClientHeight = height();

    PopupStatus = new QStatusBar(this);
    PopupStatus->setObjectName(QStringLiteral("PopupStatus"));
    PopupStatus->setGeometry(0, ClientHeight - 19, ClientWidth, 19);
    SetAnchors(PopupStatus, akLeft | akRight | akBottom);

    const auto MakeButton = [this, ClientHeight](const QString& Name, const QString& Caption,
                                                 int Left, TAnchors Anchors) {
        auto* Button = new QPushButton(Caption, this);
        Button->setObjectName(Name);
        Button->setGeometry(Left, ClientHeight - 44, 58, 25);
        SetAnchors(Button, Anchors);
        return Button;
    };
    PreviousButton = MakeButton(QStringLiteral("PreviousButton"), QStringLiteral("Previous"), 6,
                                akLeft | akBottom);
    NextButton = MakeButton(QStringLiteral("NextButton"), QStringLiteral("Next"),
                            (ClientWidth - 58) / 2, akBottom);
    DoneButton = MakeButton(QStringLiteral("DoneButton"), QStringLiteral("Done"), ClientWidth - 64,
                            akRight | akBottom);
    connect(PreviousButton, &QPushButton::clicked, this,
            GuardedSlot([this] { FCircle->PreviousClick(PreviousButton); }));
    connect(NextButton, &QPushButton::clicked, this,
            GuardedSlot([this] { FCircle->NextClick(NextButton); }));
    connect(DoneButton, &QPushButton::clicked, this,
            GuardedSlot([this] { FCircle->DoneClick(DoneButton); }));

    StatusMemo = new QPlainTextEdit(this);
    StatusMemo->setObjectName(QStringLiteral("StatusMemo"));
    StatusMemo->setGeometry(6, ClientHeight - 50 - MemoHeight, ClientWidth - 12, MemoHeight);
    StatusMemo->setReadOnly(true);
    StatusMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StatusMemo->setPlainText(Lines.join(QLatin1Char('\n')));
    SetAnchors(StatusMemo, akLeft | akTop | akRight | akBottom);
}

bool TPopupForm::event(QEvent* Event)
{
    Guarded([this, Event] {
        // Activation switches the circles' looks; it restores no focus of its own accord.
        if (Event->type() == QEvent::WindowActivate || Event->type() == QEvent::WindowDeactivate) {
            const bool Active = Event->type() == QEvent::WindowActivate;
            FCircle->SetActiveLook(Active, true);
            const TNotifyEvent& Handler = Active ? OnActivate : OnDeactivate;
            if (Handler)
                Handler(this);
        }
    });
    return QWidget::event(Event);
}

void TPopupForm::closeEvent(QCloseEvent* Event)
{
    Guarded([this] { FCircle->PopupClose(this); });
    Event->accept();
}

void TPopupForm::leaveEvent(QEvent* Event)
{
    Guarded([this] {
        if (CloseOnLeave && !OuterRect().contains(QCursor::pos()))
            close();
    });
    QWidget::leaveEvent(Event);
}
