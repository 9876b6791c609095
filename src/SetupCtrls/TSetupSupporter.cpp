// SPDX-License-Identifier: MIT
#include "TSetupSupporter.h"

#include <QComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimerEvent>

#include "Anchors.h"
#include "Application.h"
#include "Errors.h"
#include "Guard.h"
#include "LLLVLRWDM.h"
#include "Property.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Names go into the help document as plain text, so RTF's own characters are escaped.
QString RtfText(const QString& Text)
{
    QString Escaped;
    for (const QChar C : Text) {
        if (C == u'\\' || C == u'{' || C == u'}')
            Escaped += u'\\';
        Escaped += C;
    }
    return Escaped;
}

template <typename T> T* ControlAt(T* const* Place)
{
    return Place ? *Place : nullptr;
}

QMenuBar* MenuBarOf(QWidget* Form)
{
    if (const auto* Window = qobject_cast<QMainWindow*>(Form))
        return qobject_cast<QMenuBar*>(Window->menuWidget());
    return Form->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
}

// Modal for the whole program and above every other window. Closing the box answers
// its escape button.
QMessageBox::StandardButton Warn(const QString& Caption, const QString& Text,
                                 QMessageBox::StandardButtons Buttons,
                                 QMessageBox::StandardButton Default)
{
    QMessageBox Box(QMessageBox::Warning, Caption, Text, Buttons);
    Box.setDefaultButton(Default);
    Box.setEscapeButton(Default);
    Box.setWindowModality(Qt::ApplicationModal);
    Box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return QMessageBox::StandardButton(Box.exec());
}

void ShowInFront(QWidget* Window)
{
    Window->show();
    Window->raise();
    Window->activateWindow();
}

} // namespace

TSetupSupporter::TSetupSupporter(QObject* Owner) : QObject(Owner) {}

TSetupSupporter::~TSetupSupporter()
{
    FRunning = false;
    if (FTimerId)
        killTimer(FTimerId);
}

void TSetupSupporter::SetOnBeginCalib(TNotifyEvent Value)
{
    FOnBeginCalib = std::move(Value);
    UpdateTimer();
}

void TSetupSupporter::ApplicationIdle(QObject* Sender, bool&)
{
    if (auto* Application = qobject_cast<TApplication*>(Sender))
        Application->OnIdle = nullptr;
    CreateWindows();
}

void TSetupSupporter::CreateWindows()
{
    QWidget* Main = MainForm();
    if (!Main)
        return; // nothing to build around
    CreateHeaderLabel(Main);
    FHelpForm = new THelpForm(Main, HelpDocument());
    FTechForm = new TTechForm(Main, TechSupportText());
    connect(FTechForm->CloseButton, &QPushButton::clicked, this,
            GuardedSlot([this, Button = FTechForm->CloseButton] { CloseButtonClick(Button); }));

    bool CardFound = true;
    if (OnGetCardString) {
        CreateDisplayPCICommand(Main);
        FPCIForm = new TPCIForm(Main, CardName());
        connect(FPCIForm->CloseButton, &QPushButton::clicked, this,
                GuardedSlot([this, Button = FPCIForm->CloseButton] { CloseButtonClick(Button); }));
        CardFound = ListCards();
        FPCIForm->show();
    }
    FHeaderLabel->setText(HeaderText(CardFound));

    FHelpPending = true;
    UpdateTimer();
}

void TSetupSupporter::SetRunning(bool Value)
{
    if (ChangeProperty(FRunning, Value))
        UpdateTimer();
}

QString TSetupSupporter::CardName() const
{
    return FUseCardNameB ? FCardNameB : FCardNameA;
}

QString TSetupSupporter::HelpDocument() const
{
    const QString Series = FbSeries ? QStringLiteral(" Series") : QString();
    const QString Card = RtfText(CardName());
    QString Document =
        QStringLiteral(R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}})"
                       R"({\colortbl\red64\green64\blue64;\red255\green255\blue64;\red64\green64\blue255;\red255\green64\blue64;})"
                       R"(\viewkind4\uc1\pard\f0\fs32\cf0)")
        + CrLf + QStringLiteral(R"({\b )");
    Document += RtfText(FCompanyName) + u' ' + Card + Series;
    Document += QStringLiteral(R"( Settings Program}\par\par\fs24)") + CrLf;
    Document += QStringLiteral(
                    "This program will help you configure the option jumpers and settings associated "
                    "with this product. You should have the product in-hand when first using this "
                    R"(program.\par\par)")
        + CrLf;
    Document += QStringLiteral(R"({\cf1\fs24\b Yellow circles} provide information on configuring )"
                               R"(jumpers and switches.\par\par)")
        + CrLf;
    Document += QStringLiteral(R"({\cf2\fs24\b Blue circles} are informational only. They provide )"
                               R"(information on standard and optional features of the product family.\par\par)")
        + CrLf;
    Document += QStringLiteral(R"({\cf3\fs24\b Red circles} handle calibration and types of )"
                               "configuration that require actually controlling the hardware device. "
                               "Run this settings program again once the card is installed. ");
    Document += QStringLiteral(R"(Repeat the {\cf1 setup circles} (using the same settings) to )"
                               R"(configure this program, then perform the {\cf3 calibration circles}.\par\par)")
        + CrLf;
    Document += QStringLiteral(R"(Mouse over the highlight circles to see configuration or information )"
                               R"(popups for {\cf1 setup}, {\cf2 features}, and {\cf3 calibration}. )"
                               "Click a highlight circle to make its popup remain on-screen. ");
    Document += QStringLiteral("You can have all or as many of these popups onscreen at the same "
                               R"(time as you desire.\par\par)")
        + CrLf;
    if (FMultiPort)
        Document += QStringLiteral(R"({\fs32\b Note:} Make sure to set the jumpers for each option )"
                                   R"(group \emdash  the configuration options for each port are )"
                                   "handled identically; ")
            + QStringLiteral("this program only shows the setup once, but you need to perform "
                             R"(this setup for each group of options on your device.\par\par)")
            + CrLf;
    if (OnGetCardString)
        Document += QStringLiteral("To see a list of ") + Card
            + QStringLiteral(" cards installed, click \"Display ") + Card
            + QStringLiteral(R"( Cards Installed" under the File menu.\par\par)") + CrLf;
    Document += u'}';
    return Document;
}

QString TSetupSupporter::TechSupportText() const
{
    return QStringLiteral("There are several ways to get technical support. First and fastest is "
                          "to skim the relevant sections of the manual. However, some questions "
                          "require personal assistance, and ")
        + FCompanyName
        + QStringLiteral(" stands ready to provide that help. You can call us ") + FCallHow
        + QStringLiteral(" for any of your product questions.") + CrLf + CrLf
        + QStringLiteral("In order to provide the best and fastest support possible, we ask that "
                         "you be at your computer when you call, and have the ")
        + FCompanyName + QStringLiteral(" product manual and Software Master CD at hand.");
}

void TSetupSupporter::SetChannelControls(const QList<TChannelControl>& Value)
{
    FChannelControls = Value.first(qMin(Value.size(), qsizetype(MaxChannelControls)));
}

void TSetupSupporter::ShowChannelString(quint8 Channel, const QString& Text)
{
    const QString Line = QStringLiteral("Channel ") + QString::number(Channel) + u'\t' + Text;
    for (const TChannelControl& Entry : FChannelControls) {
        QComboBox* List = ControlAt(Entry.ListRef);
        // A list without a line for this channel has nowhere to show it.
        if (List && Channel < List->count())
            List->setItemText(Channel, Line);
    }
}

void TSetupSupporter::StopCalibration()
{
    if (FChangeButtons) {
        for (const TChannelControl& Entry : FChannelControls) {
            QPushButton* Button = ControlAt(Entry.ButtonRef);
            if (!Button)
                continue;
            // The button has one click handler, as it had before the run.
            disconnect(Button, &QPushButton::clicked, nullptr, nullptr);
            if (OnStartButtonClick)
                connect(Button, &QPushButton::clicked, this,
                        GuardedSlot([Handler = OnStartButtonClick, Button] { Handler(Button); }));
            Button->setText(QStringLiteral("Start"));
        }
    }
    SetRunning(false);
}

void TSetupSupporter::CloseButtonClick(QObject* Sender)
{
    if (auto* Button = qobject_cast<QWidget*>(Sender); Button && Button->parentWidget())
        Button->parentWidget()->hide();
}

void TSetupSupporter::DisplayPCIClick(QObject*)
{
    if (FPCIForm)
        ShowInFront(FPCIForm);
}

void TSetupSupporter::timerEvent(QTimerEvent*)
{
    Guarded([this] { TimerTick(); });
}

int TSetupSupporter::StartTimer(int Interval)
{
    return startTimer(Interval);
}

void TSetupSupporter::UpdateTimer()
{
    if (FTimerId) {
        killTimer(FTimerId);
        FTimerId = 0;
    }
    if (FRunning || FHelpPending) {
        FTimerId = StartTimer(100);
        if (!FTimerId)
            throw EOutOfResources("Not enough timers available");
    }
}

void TSetupSupporter::TimerTick()
{
    if (FHelpPending) {
        if (FHelpForm)
            ShowInFront(FHelpForm);
        FHelpPending = false;
        UpdateTimer();
        return;
    }
    CalibrationTick();
}

QWidget* TSetupSupporter::MainForm() const
{
    auto* Owner = qobject_cast<QWidget*>(parent());
    return Owner ? Owner->window() : nullptr;
}

void TSetupSupporter::CreateHeaderLabel(QWidget* Main)
{
    QWidget* Client = TSupportForm::ClientAreaOf(Main);
    FHeaderLabel = new QLabel(Client);
    FHeaderLabel->setObjectName(QStringLiteral("HeaderLabel"));
    FHeaderLabel->setAlignment(Qt::AlignCenter);
    FHeaderLabel->setFont(QFont(QStringLiteral("Tahoma"), 18, QFont::Bold));
    QPalette Palette = FHeaderLabel->palette();
    Palette.setColor(QPalette::WindowText, Qt::black);
    FHeaderLabel->setPalette(Palette);
    FHeaderLabel->setGeometry(0, 0, Client->width(), QFontMetrics(FHeaderLabel->font()).height());
    SetAnchors(FHeaderLabel, akLeft | akTop | akRight);
    // A label is drawn on the form itself, beneath the form's windowed controls.
    FHeaderLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    FHeaderLabel->lower();
    FHeaderLabel->show();
}

void TSetupSupporter::CreateDisplayPCICommand(QWidget* Main)
{
    QMenuBar* MenuBar = MenuBarOf(Main);
    if (!MenuBar)
        return;
    for (const QAction* Item : MenuBar->actions()) {
        QMenu* File = Item->menu();
        if (!File || Item->text() != QStringLiteral("&File"))
            continue;
        auto* DisplayPCI = new QAction(QStringLiteral("Display ") + CardName()
                                           + QStringLiteral(" Cards Installed"),
                                       File);
        DisplayPCI->setObjectName(QStringLiteral("DisplayPCI"));
        connect(DisplayPCI, &QAction::triggered, this,
                GuardedSlot([this, DisplayPCI] { DisplayPCIClick(DisplayPCI); }));
        File->insertAction(File->actions().value(0), DisplayPCI);
        return;
    }
}

bool TSetupSupporter::ListCards()
{
    LLLVLRWDM::LoadDriver();
    // Without the library or its card count there is no card to list.
    const qint32 Count = LLLVLRWDM::GetNumCards ? LLLVLRWDM::GetNumCards() : 0;
    // A faulty driver's answers bound no work, so the listing does.
    const qint32 Listed = qMin(Count, qint32(MaxListedCards));
    QPlainTextEdit* Memo = FPCIForm->PCIMemo;
    bool Found = false;
    if (Count > 0) {
        Memo->clear();
        // The handler may unassign itself while it is asked.
        const TPCIEvent GetCardString = OnGetCardString;
        static const QRegularExpression LineBreak(QStringLiteral("\r\n|\r|\n"));
        for (qint32 Index = 0; Index < Listed; ++Index) {
            const QString Text = GetCardString(this, Index).left(MaxCardTextLength);
            if (Text.isEmpty())
                continue;
            for (const QString& Line : Text.split(LineBreak))
                Memo->appendPlainText(Line);
            Found = true;
        }
    }
    if (!Found)
        Memo->setPlainText(QStringLiteral("No Card Found"));
    return Found;
}

QString TSetupSupporter::HeaderText(bool CardFound) const
{
    if (CardFound)
        return CardName() + (FbSeries ? QStringLiteral(" Series") : QString())
            + QStringLiteral(" Settings Program");
    return QStringLiteral("No ") + CardName() + (FbSeries ? QStringLiteral(" Series Card") : QString())
        + QStringLiteral(" Found");
}

void TSetupSupporter::CalibrationTick()
{
    if (FOnBeginCalib)
        FOnBeginCalib(this);
    const TCalibEvent GetCalibString = OnGetCalibString;
    if (!GetCalibString) {
        SetRunning(false);
        Warn(QStringLiteral("OnGetCalibString Not Assigned"),
             QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned."),
             QMessageBox::Ok, QMessageBox::Ok);
        StopCalibration();
        return;
    }
    for (const TChannelControl& Entry : FChannelControls)
        if (QWidget* Hidden = ControlAt(Entry.HideRef))
            Hidden->hide();
    bool ItsAllBad = true;
    for (int Channel = 0; Channel < FChannels; ++Channel)
        ShowChannelString(quint8(Channel), GetCalibString(this, quint8(Channel), ItsAllBad));
    if (!ItsAllBad)
        return;
    SetRunning(false);
    const QMessageBox::StandardButton Answer =
        Warn(QStringLiteral("Total A/D failure"),
             QStringLiteral("Total A/D failure. The card may not be installed, or it may be "
                            "installed at a different base address."),
             QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel);
    if (Answer == QMessageBox::Retry)
        SetRunning(true);
    else
        StopCalibration();
}
