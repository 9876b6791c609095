// SPDX-License-Identifier: MIT
#include "TPopupForm.h"

#include <QCloseEvent>
#include <QCursor>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QWindow>

#include "Anchors.h"
#include "Guard.h"
#include "Screen.h"
#include "TBoardHighlight.h"

TPopupForm::TPopupForm(TBoardHighlight* Circle)
    : QWidget(Circle, Qt::Tool | Qt::WindowStaysOnTopHint), FCircle(Circle)
{
}

// Asked of the window itself: the widget learns of a new frame only with a later event.
QSize TPopupForm::FrameExtra() const
{
    const QWindow* Handle = windowHandle();
    if (!Handle)
        return QSize(0, 0);
    const QMargins Frame = Handle->frameMargins();
    return QSize(Frame.left() + Frame.right(), Frame.top() + Frame.bottom());
}

QRect TPopupForm::OuterRect() const
{
    const QWindow* Handle = windowHandle();
    return Handle && isVisible() ? Handle->frameGeometry() : frameGeometry();
}

void TPopupForm::SetOuterSize(QSize Outer)
{
    resize(Outer - FrameExtra());
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

void TPopupForm::MoveOntoScreen()
{
    const QRect Outer = OuterRect();
    int Left = Outer.left(), Top = Outer.top();
    if (Left < 0)
        Left = 0;
    else if (Left + Outer.width() > TScreen::Width())
        Left = TScreen::Width() - Outer.width();
    if (Top < 0)
        Top = 0;
    else if (Top + Outer.height() > TScreen::Height())
        Top = TScreen::Height() - Outer.height();
    move(Left, Top);
}

void TPopupForm::ApplyFrameRule(std::function<void()> Rule)
{
    Rule();
    if (FrameExtra().isNull())
        FFrameRule = std::move(Rule);
}

bool TPopupForm::event(QEvent* Event)
{
    Guarded([this, Event] {
        if (FFrameRule && (Event->type() == QEvent::Move || Event->type() == QEvent::Resize)
            && !FrameExtra().isNull()) {
            const std::function<void()> Rule = std::move(FFrameRule);
            FFrameRule = nullptr;
            Rule();
        }
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
