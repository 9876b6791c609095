// SPDX-License-Identifier: MIT
// The supporter's calibration run on a small card page of its own.
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include "MessageBoxAnswerer.h"
#include "TSetupSupporter.h"

namespace {

// Two channel entries, each with a list of 16 lines, a button showing "Stop" whose click
// the page counts, and a busy sign.
class TCalibrationPage : public QWidget {
public:
    TCalibrationPage()
    {
        for (QComboBox** List : {&ListA, &ListB}) {
            *List = new QComboBox(this);
            for (int Line = 0; Line < 16; ++Line)
                (*List)->addItem(QStringLiteral("line %1").arg(Line));
        }
        for (QPushButton** Button : {&ButtonA, &ButtonB}) {
            *Button = new QPushButton(QStringLiteral("Stop"), this);
            connect(*Button, &QPushButton::clicked, this, [this] { ++StopClicks; });
        }
        BusyA = new QWidget(this);
        BusyB = new QWidget(this);
    }

    QList<TChannelControl> Entries() { return {{&ListA, &ButtonA, &BusyA}, {&ListB, &ButtonB, &BusyB}}; }

    QComboBox* ListA;
    QComboBox* ListB;
    QPushButton* ButtonA;
    QPushButton* ButtonB;
    QWidget* BusyA;
    QWidget* BusyB;
    int StopClicks = 0;
};

// A supporter wired to the page: it counts the passes, notes the channels asked and
// fails every channel unless Working names it.
struct TCalibrationRun {
    explicit TCalibrationRun(TCalibrationPage& Page, quint8 Channels)
    {
        Supporter.SetChannels(Channels);
        Supporter.SetChannelControls(Page.Entries());
        Supporter.SetOnBeginCalib([this](QObject* Sender) {
            Passes << Clock.elapsed();
            Senders << Sender;
        });
        Supporter.OnGetCalibString = [this](QObject*, quint8 Channel, bool& ItsAllBad) {
            Asked << Channel;
            if (Channel == 0)
                BadOnEntry = ItsAllBad;
            if (Working.contains(Channel))
                ItsAllBad = false;
            return QStringLiteral("T%1").arg(Channel);
        };
        Supporter.OnStartButtonClick = [this](QObject* Sender) { StartClicks << Sender; };
        Clock.start();
    }

    TSetupSupporter Supporter;
    QElapsedTimer Clock;
    QList<qint64> Passes;
    QList<QObject*> Senders;
    QList<int> Asked;
    QList<int> Working;
    bool BadOnEntry = false;
    QList<QObject*> StartClicks;
};

} // namespace

class TestCalibration : public QObject {
    Q_OBJECT

private slots:
    void missingGetCalibStringStopsRun();
    void everyChannelFailedEndsInFailureBox_data();
    void everyChannelFailedEndsInFailureBox();
    void retryRunsPassAgain();
    void writesChannelLines();
    void stopCalibration_data();
    void stopCalibration();
    void findsReplacedControls();
    void holdsAtMost256Entries();
};

void TestCalibration::missingGetCalibStringStopsRun()
{
    TCalibrationPage Page;
    TCalibrationRun Run(Page, 2);
    Run.Supporter.OnGetCalibString = nullptr;
    TMessageBoxAnswerer Answerer({QMessageBox::Ok});
    Run.Supporter.SetRunning(true);
    QTRY_COMPARE(Answerer.Seen.size(), 1);
    const TMessageBoxAnswerer::TSeenBox& Box = Answerer.Seen[0];
    QCOMPARE(Box.Caption, QStringLiteral("OnGetCalibString Not Assigned"));
    QCOMPARE(Box.Text, QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned."));
    QCOMPARE(Box.Icon, QMessageBox::Warning);
    QCOMPARE(Box.Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(Box.Modality, Qt::ApplicationModal);
    QVERIFY(Box.OnTop);

    QTRY_VERIFY(!Run.Supporter.Running());
    QCOMPARE(Page.ButtonA->text(), QStringLiteral("Start"));
    QCOMPARE(Run.Passes.size(), 1);
    QCOMPARE(Run.Senders.value(0), &Run.Supporter);
    QVERIFY(Page.BusyA->isVisibleTo(&Page)); // the tick ended before hiding anything
    QTest::qWait(250);
    QCOMPARE(Answerer.Seen.size(), 1);
}

void TestCalibration::everyChannelFailedEndsInFailureBox_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("answer"); // NoButton: the box is closed from its title bar
    QTest::newRow("no channels, Cancel") << 0 << int(QMessageBox::Cancel);
    QTest::newRow("three failing channels, Cancel") << 3 << int(QMessageBox::Cancel);
    QTest::newRow("no channels, box closed") << 0 << int(QMessageBox::NoButton);
}

void TestCalibration::everyChannelFailedEndsInFailureBox()
{
    QFETCH(int, channels);
    QFETCH(int, answer);
    TCalibrationPage Page;
    TCalibrationRun Run(Page, quint8(channels));
    TMessageBoxAnswerer Answerer(answer == QMessageBox::NoButton
                                     ? QList<QMessageBox::StandardButton>{}
                                     : QList<QMessageBox::StandardButton>{QMessageBox::StandardButton(answer)});
    Run.Supporter.SetRunning(true);
    QTRY_COMPARE(Answerer.Seen.size(), 1);
    const TMessageBoxAnswerer::TSeenBox& Box = Answerer.Seen[0];
    QCOMPARE(Box.Caption, QStringLiteral("Total A/D failure"));
    QCOMPARE(Box.Text, QStringLiteral("Total A/D failure. The card may not be installed, or it may "
                                      "be installed at a different base address."));
    QCOMPARE(Box.Icon, QMessageBox::Warning);
    QCOMPARE(Box.Buttons, QMessageBox::Retry | QMessageBox::Cancel);
    QCOMPARE(Box.Default, QMessageBox::Cancel);
    QCOMPARE(Box.Modality, Qt::ApplicationModal);
    QVERIFY(Box.OnTop);

    QTRY_COMPARE(Page.ButtonB->text(), QStringLiteral("Start"));
    QVERIFY(!Run.Supporter.Running());
    QCOMPARE(Run.Asked, QList<int>({0, 1, 2}).first(channels));
    QVERIFY(Page.BusyA->isHidden() && Page.BusyB->isHidden());
    QTest::qWait(250);
    QCOMPARE(Answerer.Seen.size(), 1);
}

void TestCalibration::retryRunsPassAgain()
{
    TCalibrationPage Page;
    TCalibrationRun Run(Page, 2);
    QStringList CaptionsAtPass;
    Run.Supporter.SetOnBeginCalib([&](QObject*) {
        Run.Passes << Run.Clock.elapsed();
        CaptionsAtPass << Page.ButtonA->text();
    });
    TMessageBoxAnswerer Answerer({QMessageBox::Retry, QMessageBox::Cancel});
    Run.Supporter.SetRunning(true);
    QTRY_COMPARE(Answerer.Seen.size(), 2);
    QTRY_VERIFY(!Run.Supporter.Running());
    QCOMPARE(Run.Passes.size(), 2);
    // Retry starts a full period anew; a coarse timer may fire up to 5 % early.
    QVERIFY(Run.Passes[1] - Run.Passes[0] >= 95);
    QCOMPARE(Run.Asked, QList<int>({0, 1, 0, 1}));
    QCOMPARE(CaptionsAtPass, QStringList({"Stop", "Stop"}));
    QCOMPARE(Page.ButtonA->text(), QStringLiteral("Start"));
}

void TestCalibration::writesChannelLines()
{
    TCalibrationPage Page;
    // ListB has lines for channels 0 to 4 only.
    while (Page.ListB->count() > 5)
        Page.ListB->removeItem(5);
    QWidget* Nothing = nullptr;
    QList<TChannelControl> Entries = Page.Entries();
    Entries.append(TChannelControl{});
    Entries.append(TChannelControl{nullptr, nullptr, &Nothing});
    TCalibrationRun Run(Page, 13);
    Run.Supporter.SetChannelControls(Entries);
    Run.Working = {7};
    TMessageBoxAnswerer Answerer;
    Run.Supporter.SetRunning(true);
    QTRY_COMPARE(Run.Asked.size(), 13);
    Run.Supporter.SetRunning(false);

    QVERIFY(Run.BadOnEntry);
    QCOMPARE(Page.ListA->itemText(3), QStringLiteral("Channel 3\tT3"));
    QCOMPARE(Page.ListA->itemText(12), QStringLiteral("Channel 12\tT12"));
    QCOMPARE(Page.ListA->itemText(13), QStringLiteral("line 13"));
    QCOMPARE(Page.ListA->count(), 16);
    QCOMPARE(Page.ListB->itemText(3), QStringLiteral("Channel 3\tT3"));
    QCOMPARE(Page.ListB->itemText(4), QStringLiteral("Channel 4\tT4"));
    QCOMPARE(Page.ListB->count(), 5);
    QVERIFY(Page.BusyA->isHidden() && Page.BusyB->isHidden());
    // One working channel is enough: no failure box, buttons untouched.
    QVERIFY(Answerer.Seen.isEmpty());
    QCOMPARE(Page.ButtonA->text(), QStringLiteral("Stop"));
}

void TestCalibration::stopCalibration_data()
{
    QTest::addColumn<bool>("changeButtons");
    QTest::newRow("buttons change") << true;
    QTest::newRow("buttons stay") << false;
}

void TestCalibration::stopCalibration()
{
    QFETCH(bool, changeButtons);
    TCalibrationPage Page;
    TCalibrationRun Run(Page, 2);
    Run.Supporter.SetChangeButtons(changeButtons);
    Run.Supporter.SetRunning(true);
    Run.Supporter.StopCalibration();
    QVERIFY(!Run.Supporter.Running());

    Page.ButtonA->click();
    Page.ButtonB->click();
    if (changeButtons) {
        QCOMPARE(Page.ButtonA->text(), QStringLiteral("Start"));
        QCOMPARE(Page.ButtonB->text(), QStringLiteral("Start"));
        // The Start handler replaces the page's own.
        QCOMPARE(Run.StartClicks, (QList<QObject*>{Page.ButtonA, Page.ButtonB}));
        QCOMPARE(Page.StopClicks, 0);
    } else {
        QCOMPARE(Page.ButtonA->text(), QStringLiteral("Stop"));
        QVERIFY(Run.StartClicks.isEmpty());
        QCOMPARE(Page.StopClicks, 2);
    }

    // Stopping again gives each button one handler still.
    Run.Supporter.StopCalibration();
    Run.StartClicks.clear();
    Page.ButtonA->click();
    QCOMPARE(Run.StartClicks.size(), changeButtons ? 1 : 0);
}

void TestCalibration::findsReplacedControls()
{
    TCalibrationPage Page;
    TSetupSupporter Supporter;
    Supporter.SetChannelControls(Page.Entries());
    delete Page.ListA;
    Page.ListA = new QComboBox(&Page);
    Page.ListA->addItems({"a", "b", "c", "d"});
    Page.ListB = nullptr;
    Supporter.ShowChannelString(3, QStringLiteral("x"));
    QCOMPARE(Page.ListA->itemText(3), QStringLiteral("Channel 3\tx"));
    Supporter.ShowChannelString(255, QStringLiteral("y"));
    QCOMPARE(Page.ListA->count(), 4);
}

void TestCalibration::holdsAtMost256Entries()
{
    TSetupSupporter Supporter;
    Supporter.SetChannelControls(QList<TChannelControl>(300));
    QCOMPARE(Supporter.ChannelControls().size(), 256);
}

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
