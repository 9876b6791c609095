// SPDX-License-Identifier: MIT
#include "THelpForm.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>

#include <algorithm>

#include "Anchors.h"
#include "Guard.h"
#include "Messages.h"
#include "OuterPlacement.h"
#include "RtfReader.h"
#include "Rounding.h"
#include "Screen.h"
#include "TBoardImage.h"

THelpForm::THelpForm(QWidget* MainForm, const QString& HelpDocument)
    : TSupportForm(MainForm),
      HelpRich(new QTextBrowser(this)),
      HelpLabel(new QLabel(this)),
      StartButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("Instructions for Settings utility"));

    HelpLabel->setObjectName(QStringLiteral("HelpLabel"));
    HelpLabel->setText(QStringLiteral("How to use this program"));
    HelpLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    HelpLabel->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));

    HelpRich->setObjectName(QStringLiteral("HelpRich"));
    HelpRich->setGeometry(0, 24, 305, 73);
    HelpRich->setReadOnly(true);
    HelpRich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette RichPalette = HelpRich->palette();
    RichPalette.setColor(QPalette::Base, QColor(221, 221, 221));
    HelpRich->setPalette(RichPalette);
    ReadRtf(HelpDocument, HelpRich->document());
    // Filling the document carried the view's cursor to its end; the reader starts at the top.
    HelpRich->moveCursor(QTextCursor::Start);

    StartButton->setObjectName(QStringLiteral("StartButton"));
    StartButton->setText(QStringLiteral("Start"));
    StartButton->setGeometry(0, 105, 173, 25);
    StartButton->setDefault(true);
    SetCancelButton(StartButton);
    setTabOrder(StartButton, HelpRich);
    StartButton->setFocus();
    connect(StartButton, &QPushButton::clicked, this,
            GuardedSlot([this] { StartButtonClick(StartButton); }));

    // The label lies along the top edge and spans the client width, which is the view's.
    resize(HelpRich->width(), height());
    HelpLabel->setGeometry(0, 0, width(), QFontMetrics(HelpLabel->font()).height());
    FitToControls();
    resize(width(), height() + 8);

    SetAnchors(HelpLabel, akLeft | akTop | akRight);
    SetAnchors(HelpRich, akLeft | akTop | akRight | akBottom);
    StartButton->move((width() - StartButton->width()) / 2, StartButton->y());
    SetAnchors(StartButton, akBottom);

    resize(ScaledClientSize(size(), QSize(TScreen::Width(), TScreen::Height())));
}

QSize THelpForm::ScaledClientSize(QSize ClientSize, QSize ScreenSize)
{
    const double Scale =
        std::max(1.0, std::min(ScreenSize.height() / 450.0, ScreenSize.width() / 800.0));
    return QSize(int(RoundHalfEven(ClientSize.width() * Scale)),
                 int(RoundHalfEven(ClientSize.height() * Scale)));
}

void THelpForm::StartButtonClick(QObject*)
{
    hide();
    QWidget* Main = MainForm();
    if (!Main)
        return;
    for (QObject* Child : ClientAreaOf(Main)->children()) {
        if (auto* Board = qobject_cast<TBoardImage*>(Child)) {
            TMessageEvent Start(WM_BOARDSTART, 0, 0);
            QCoreApplication::sendEvent(Board, &Start);
            return;
        }
    }
}

void THelpForm::setVisible(bool Visible)
{
    if (Visible && !FPlaced) {
        FPlaced = true;
        Guarded([this] { CenterOnMainForm(); });
    }
    TSupportForm::setVisible(Visible);
}

// Centred by outer sizes: the frame counts on both windows.
void THelpForm::CenterOnMainForm()
{
    const QWidget* Main = MainForm();
    if (!Main)
        return;
    const QSize Client = size();
    TOuterPlacement::Apply(this, [Main, Client](QMargins Frame) {
        const QRect Around = TOuterPlacement::OuterRect(Main);
        const QSize Outer = Client.grownBy(Frame);
        return QRect(QPoint(Around.left() + (Around.width() - Outer.width()) / 2,
                            Around.top() + (Around.height() - Outer.height()) / 2),
                     Outer);
    });
}
