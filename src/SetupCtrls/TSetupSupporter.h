// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "Events.h"
#include "THelpForm.h"
#include "TPCIForm.h"
#include "TTechForm.h"

class QComboBox;
class QPushButton;

using TPCIEvent = std::function<QString(QObject* Sender, qint32 CardIndex)>;
using TCalibEvent = std::function<QString(QObject* Sender, quint8 Channel, bool& ItsAllBad)>;

// One entry of a calibration run: the places where the card page keeps the entry's
// controls. They are read at every use, so a control made or replaced later is found; a
// null place or an empty one is passed over.
struct TChannelControl {
    QComboBox** ListRef = nullptr;     // line n shows channel n
    QPushButton** ButtonRef = nullptr; // becomes a Start button when the run stops
    QWidget** HideRef = nullptr;       // hidden when a tick begins measuring
};

// The card page's non-visual helper. At the first idle moment it builds what every card
// page has around it: the header line, the help and technical support windows and, when
// OnGetCardString is assigned, the installed-cards window. Its 100 ms timer shows the
// help window once and drives the calibration run.
class TSetupSupporter : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString CompanyName READ CompanyName WRITE SetCompanyName)
    Q_PROPERTY(QString CardNameA READ CardNameA WRITE SetCardNameA)
    Q_PROPERTY(QString CardNameB READ CardNameB WRITE SetCardNameB)
    Q_PROPERTY(bool UseCardNameB READ UseCardNameB WRITE SetUseCardNameB)
    Q_PROPERTY(QString CallHow READ CallHow WRITE SetCallHow)
    Q_PROPERTY(bool MultiPort READ MultiPort WRITE SetMultiPort)
    Q_PROPERTY(quint8 Channels READ Channels WRITE SetChannels)
    Q_PROPERTY(bool ChangeButtons READ ChangeButtons WRITE SetChangeButtons)
    Q_PROPERTY(bool bSeries READ bSeries WRITE SetbSeries)

public:
    // Entries of a calibration run are counted in eight bits.
    static constexpr int MaxChannelControls = 256;
    // A PC/104 stack holds a handful of cards; the listing asks for no more than this many
    // and keeps no more of each card's text.
    static constexpr int MaxListedCards = 64;
    static constexpr int MaxCardTextLength = 4096;

    explicit TSetupSupporter(QObject* Owner = nullptr);
    ~TSetupSupporter() override;

    const QString& CompanyName() const { return FCompanyName; }
    void SetCompanyName(const QString& Value) { FCompanyName = Value; }
    const QString& CardNameA() const { return FCardNameA; }
    void SetCardNameA(const QString& Value) { FCardNameA = Value; }
    const QString& CardNameB() const { return FCardNameB; }
    void SetCardNameB(const QString& Value) { FCardNameB = Value; }
    bool UseCardNameB() const { return FUseCardNameB; }
    void SetUseCardNameB(bool Value) { FUseCardNameB = Value; }
    const QString& CallHow() const { return FCallHow; }
    void SetCallHow(const QString& Value) { FCallHow = Value; }
    bool MultiPort() const { return FMultiPort; }
    void SetMultiPort(bool Value) { FMultiPort = Value; }
    quint8 Channels() const { return FChannels; }
    void SetChannels(quint8 Value) { FChannels = Value; }
    bool ChangeButtons() const { return FChangeButtons; }
    void SetChangeButtons(bool Value) { FChangeButtons = Value; }
    bool bSeries() const { return FbSeries; }
    void SetbSeries(bool Value) { FbSeries = Value; }

    const TNotifyEvent& OnBeginCalib() const { return FOnBeginCalib; }
    // Restarts the timer's period when the timer is on.
    void SetOnBeginCalib(TNotifyEvent Value);
    TPCIEvent OnGetCardString;
    TCalibEvent OnGetCalibString;
    // Kept for the card page; the supporter never calls it.
    TNotifyEvent OnStopButtonClick;
    // Given to every channel button when a run stops.
    TNotifyEvent OnStartButtonClick;

    // The application's idle handler: unhooks itself and does the start-up work once.
    void ApplicationIdle(QObject* Sender, bool& Done);
    void CreateWindows();

    THelpForm* HelpForm() const { return FHelpForm; }
    TTechForm* TechForm() const { return FTechForm; }
    TPCIForm* PCIForm() const { return FPCIForm; }
    QLabel* HeaderLabel() const { return FHeaderLabel; }
    bool HelpPending() const { return FHelpPending; }
    bool Running() const { return FRunning; }
    void SetRunning(bool Value);

    // CompanyName, the card name and what the card page offers, as one RTF document.
    QString HelpDocument() const;
    QString TechSupportText() const;
    QString CardName() const;

    const QList<TChannelControl>& ChannelControls() const { return FChannelControls; }
    // Entries beyond MaxChannelControls are dropped.
    void SetChannelControls(const QList<TChannelControl>& Value);

    void ShowChannelString(quint8 Channel, const QString& Text);
    void StopCalibration();

    void CloseButtonClick(QObject* Sender);
    void DisplayPCIClick(QObject* Sender);

protected:
    void timerEvent(QTimerEvent* Event) override;
    // The system's timer, 0 when it refuses one.
    virtual int StartTimer(int Interval);
    void UpdateTimer();
    void TimerTick();

private:
    QWidget* MainForm() const;
    void CreateHeaderLabel(QWidget* Main);
    void CreateDisplayPCICommand(QWidget* Main);
    bool ListCards();
    QString HeaderText(bool CardFound) const;
    void CalibrationTick();

    QString FCompanyName;
    QString FCardNameA;
    QString FCardNameB;
    bool FUseCardNameB = false;
    QString FCallHow;
    bool FMultiPort = false;
    quint8 FChannels = 8;
    bool FChangeButtons = true;
    bool FbSeries = true;
    TNotifyEvent FOnBeginCalib;

    QPointer<QLabel> FHeaderLabel;
    QPointer<THelpForm> FHelpForm;
    QPointer<TTechForm> FTechForm;
    QPointer<TPCIForm> FPCIForm;
    int FTimerId = 0;
    bool FHelpPending = false;
    bool FRunning = false;
    QList<TChannelControl> FChannelControls;
};
