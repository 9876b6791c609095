// SPDX-License-Identifier: MIT
// The supporter's start-up work, its timer and the installed-cards listing. Runs against
// the driver stand-in that reports three cards.
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "Application.h"
#include "Errors.h"
#include "HelpText.h"
#include "MessageBoxAnswerer.h"
#include "TSetupSupporter.h"
#include "TestMainForm.h"
#include "WaitIdle.h"

namespace {

using HelpText::CrLf;

// The supporter as the card page of the program stores it.
void StoreCardPageValues(TSetupSupporter& Supporter)
{
    Supporter.setProperty("CompanyName", QStringLiteral("Vellor"));
    Supporter.setProperty("CardNameA", QStringLiteral("KX-2400"));
    Supporter.setProperty("CardNameB", QStringLiteral("KX-2450"));
    Supporter.setProperty("CallHow", QStringLiteral("between 9 am and 4 pm local time at 1-555-0100"));
    Supporter.setProperty("Channels", 0);
    Supporter.setProperty("ChangeButtons", true);
}

// Refuses the system timer unless it is allowed some; counts every request.
class TRefusingSupporter : public TSetupSupporter {
public:
    using TSetupSupporter::TSetupSupporter;
    int Allowed = 0;
    int Starts = 0;

protected:
    int StartTimer(int Interval) override
    {
        ++Starts;
        if (Allowed <= 0)
            return 0;
        --Allowed;
        return TSetupSupporter::StartTimer(Interval);
    }
};

QTextCharFormat FormatOf(const QTextDocument* Document, const QString& Text)
{
    for (QTextBlock Block = Document->begin(); Block.isValid(); Block = Block.next())
        for (auto Fragment = Block.begin(); !Fragment.atEnd(); ++Fragment)
            if (Fragment.fragment().text() == Text)
                return Fragment.fragment().charFormat();
    return QTextCharFormat();
}

} // namespace

class TestSetupSupporter : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsInitialValues();
    void startupWorkRunsOnceFromIdle();
    void helpShownOnePeriodLaterAndOnce();
    void destroyingWithHelpPendingStopsTimer();
    void headerLabelSpansClientArea();
    void headerText_data();
    void headerText();
    void cardPageHasNoInstalledCards();
    void listsNonEmptyCardTexts();
    void displayPCICommand_data();
    void displayPCICommand();
    void closeButtonsHideTheirWindow();
    void helpDocument_data();
    void helpDocument();
    void rendersHelpDocument();
    void namesAreTextInHelpDocument();
    void techSupportText();
    void refusedTimerAtStartupIsReported();
    void refusedTimerInTickGoesToErrorHandler();
    void writingOnBeginCalibRestartsRunningTimer();
};

void TestSetupSupporter::startsWithItsInitialValues()
{
    TSetupSupporter Supporter;
    QCOMPARE(Supporter.property("CompanyName").toString(), QString());
    QCOMPARE(Supporter.property("UseCardNameB").toBool(), false);
    QCOMPARE(Supporter.property("MultiPort").toBool(), false);
    QCOMPARE(Supporter.property("Channels").toInt(), 8);
    QCOMPARE(Supporter.property("ChangeButtons").toBool(), true);
    QCOMPARE(Supporter.property("bSeries").toBool(), true);
    QVERIFY(!Supporter.Running());
    QVERIFY(!Supporter.HelpPending());
    QVERIFY(!Supporter.HelpForm() && !Supporter.TechForm() && !Supporter.PCIForm());
    QVERIFY(Supporter.ChannelControls().isEmpty());
}

void TestSetupSupporter::startupWorkRunsOnceFromIdle()
{
    TApplication* Application = TApplication::Instance();
    TTestMainForm Main;
    auto* Supporter = new TSetupSupporter(&Main);
    StoreCardPageValues(*Supporter);
    int Calls = 0;
    bool DoneAfter = false;
    Application->OnIdle = [&](QObject* Sender, bool& Done) {
        ++Calls;
        Supporter->ApplicationIdle(Sender, Done);
        DoneAfter = Done;
    };
    Main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Main));
    for (int Moment = 0; Moment < 4; ++Moment)
        WaitIdle(20);

    QCOMPARE(Calls, 1);
    QVERIFY(!Application->OnIdle);
    QVERIFY(DoneAfter);
    QCOMPARE(Main.findChildren<QLabel*>(QStringLiteral("HeaderLabel")).size(), 1);
    QCOMPARE(Main.findChildren<THelpForm*>().size(), 1);
    QCOMPARE(Main.findChildren<TTechForm*>().size(), 1);
    QCOMPARE(Supporter->HeaderLabel()->text(), QStringLiteral("KX-2400 Series Settings Program"));
}

void TestSetupSupporter::helpShownOnePeriodLaterAndOnce()
{
    TTestMainForm Main;
    TSetupSupporter Supporter(&Main);
    StoreCardPageValues(Supporter);
    QElapsedTimer Clock;
    Clock.start();
    Supporter.CreateWindows();
    THelpForm* Help = Supporter.HelpForm();
    QVERIFY(Help && Supporter.HelpPending());
    QVERIFY(!Help->isVisible());

    QTRY_VERIFY(Help->isVisible());
    // A coarse timer may fire up to 5 % early.
    QVERIFY(Clock.elapsed() >= 95);
    QVERIFY(!Supporter.HelpPending());

    Help->hide();
    QTest::qWait(350);
    QVERIFY(!Help->isVisible());
}

void TestSetupSupporter::destroyingWithHelpPendingStopsTimer()
{
    TTestMainForm Main;
    auto* Supporter = new TSetupSupporter(&Main);
    Supporter->CreateWindows();
    const QPointer<THelpForm> Help = Supporter->HelpForm();
    delete Supporter;
    QTest::qWait(350);
    QVERIFY(Help);
    QVERIFY(!Help->isVisible());
}

void TestSetupSupporter::headerLabelSpansClientArea()
{
    TTestMainForm Main;
    Main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Main));
    TSetupSupporter Supporter(&Main);
    Supporter.CreateWindows();
    QLabel* Header = Supporter.HeaderLabel();
    QVERIFY(Header);
    QCOMPARE(Header->parentWidget(), Main.ClientArea);
    QCOMPARE(Header->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(Header->font().pointSize(), 18);
    QVERIFY(Header->font().bold());
    QCOMPARE(Header->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(Header->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(Header->geometry(),
             QRect(0, 0, Main.ClientArea->width(), QFontMetrics(Header->font()).height()));
    QVERIFY(Header->isVisible());

    Main.resize(Main.width() + 120, Main.height());
    QTRY_COMPARE(Header->width(), Main.ClientArea->width());
}

void TestSetupSupporter::headerText_data()
{
    QTest::addColumn<bool>("series");
    QTest::addColumn<bool>("useNameB");
    QTest::addColumn<QString>("cardText"); // what the listing reports for every card
    QTest::addColumn<QString>("expected");
    QTest::newRow("found") << true << false << "card" << "KX-2400 Series Settings Program";
    QTest::newRow("found, no series") << false << false << "card" << "KX-2400 Settings Program";
    QTest::newRow("found, name B") << true << true << "card" << "KX-2450 Series Settings Program";
    QTest::newRow("not found") << true << false << "" << "No KX-2400 Series Card Found";
    QTest::newRow("not found, no series") << false << false << "" << "No KX-2400 Found";
    QTest::newRow("not found, name B, no series") << false << true << "" << "No KX-2450 Found";
}

void TestSetupSupporter::headerText()
{
    QFETCH(bool, series);
    QFETCH(bool, useNameB);
    QFETCH(QString, cardText);
    QFETCH(QString, expected);
    TTestMainForm Main;
    TSetupSupporter Supporter(&Main);
    StoreCardPageValues(Supporter);
    Supporter.SetbSeries(series);
    Supporter.SetUseCardNameB(useNameB);
    Supporter.OnGetCardString = [&](QObject*, qint32) { return cardText; };
    Supporter.CreateWindows();
    QCOMPARE(Supporter.HeaderLabel()->text(), expected);
    QCOMPARE(Supporter.PCIForm()->windowTitle(),
             (useNameB ? QStringLiteral("KX-2450") : QStringLiteral("KX-2400")) + " Cards installed");
}

void TestSetupSupporter::cardPageHasNoInstalledCards()
{
    TTestMainForm Main;
    TSetupSupporter Supporter(&Main);
    StoreCardPageValues(Supporter);
    Supporter.CreateWindows();
    QVERIFY(!Supporter.PCIForm());
    QVERIFY(!Main.findChild<QAction*>(QStringLiteral("DisplayPCI")));
    QCOMPARE(Main.File->actions(), QList<QAction*>{Main.Exit});
}

void TestSetupSupporter::listsNonEmptyCardTexts()
{
    TTestMainForm Main;
    TSetupSupporter Supporter(&Main);
    StoreCardPageValues(Supporter);
    QList<qint32> Asked;
    QList<QObject*> Senders;
    const QStringList Texts{QStringLiteral("A"), QString(), QStringLiteral("C\r\nC2")};
    Supporter.OnGetCardString = [&](QObject* Sender, qint32 Index) {
        Asked << Index;
        Senders << Sender;
        return Texts.value(Index);
    };
    Supporter.CreateWindows();
    QCOMPARE(Asked, (QList<qint32>{0, 1, 2}));
    QCOMPARE(Senders.value(0), &Supporter);
    TPCIForm* Cards = Supporter.PCIForm();
    QCOMPARE(Cards->PCIMemo->toPlainText(), QStringLiteral("A\nC\nC2"));
    QCOMPARE(Cards->PCIMemo->document()->blockCount(), 3);
    QVERIFY(Cards->isVisible());
    QCOMPARE(Supporter.HeaderLabel()->text(), QStringLiteral("KX-2400 Series Settings Program"));

    // Reopening shows the listing as made; the cards are not asked again.
    Cards->hide();
    Supporter.DisplayPCIClick(nullptr);
    QVERIFY(Cards->isVisible());
    QCOMPARE(Asked.size(), 3);
}

void TestSetupSupporter::displayPCICommand_data()
{
    QTest::addColumn<QString>("fileCaption");
    QTest::addColumn<bool>("commandMade");
    QTest::newRow("&File") << "&File" << true;
    QTest::newRow("File without accelerator") << "File" << false;
    QTest::newRow("&file in lower case") << "&file" << false;
}

void TestSetupSupporter::displayPCICommand()
{
    QFETCH(QString, fileCaption);
    QFETCH(bool, commandMade);
    TTestMainForm Main(fileCaption);
    TSetupSupporter Supporter(&Main);
    StoreCardPageValues(Supporter);
    Supporter.OnGetCardString = [](QObject*, qint32 Index) { return QString::number(Index); };
    Supporter.CreateWindows();
    TPCIForm* Cards = Supporter.PCIForm();
    QVERIFY(Cards && Cards->isVisible());

    auto* Command = Main.findChild<QAction*>(QStringLiteral("DisplayPCI"));
    QCOMPARE(bool(Command), commandMade);
    if (!commandMade)
        return;
    QCOMPARE(Command->text(), QStringLiteral("Display KX-2400 Cards Installed"));
    QCOMPARE(Command->parent(), Main.File);
    QCOMPARE(Main.File->actions(), (QList<QAction*>{Command, Main.Exit}));
    Cards->hide();
    Command->trigger();
    QVERIFY(Cards->isVisible());
}

void TestSetupSupporter::closeButtonsHideTheirWindow()
{
    TTestMainForm Main;
    TSetupSupporter Supporter(&Main);
    Supporter.OnGetCardString = [](QObject*, qint32) { return QStringLiteral("card"); };
    Supporter.CreateWindows();
    TTechForm* Tech = Supporter.TechForm();
    Tech->show();
    Tech->CloseButton->click();
    QVERIFY(!Tech->isVisible());
    TPCIForm* Cards = Supporter.PCIForm();
    QVERIFY(Cards->isVisible());
    Cards->CloseButton->click();
    QVERIFY(!Cards->isVisible());
}

void TestSetupSupporter::helpDocument_data()
{
    QTest::addColumn<bool>("multiPort");
    QTest::addColumn<bool>("listing");
    QTest::addColumn<bool>("series");
    QTest::addColumn<bool>("useNameB");
    QTest::addColumn<QString>("expected");
    const QString Close = QStringLiteral("}");
    QTest::newRow("card page") << false << false << true << false
                               << HelpText::Heading("Vellor KX-2400 Series") + HelpText::Body() + Close;
    QTest::newRow("multi-port with listing")
        << true << true << true << false
        << HelpText::Heading("Vellor KX-2400 Series") + HelpText::Body() + HelpText::MultiPortNote()
            + HelpText::ListingNote("KX-2400") + Close;
    QTest::newRow("listing, name B, no series")
        << false << true << false << true
        << HelpText::Heading("Vellor KX-2450") + HelpText::Body() + HelpText::ListingNote("KX-2450")
            + Close;
}

void TestSetupSupporter::helpDocument()
{
    QFETCH(bool, multiPort);
    QFETCH(bool, listing);
    QFETCH(bool, series);
    QFETCH(bool, useNameB);
    QFETCH(QString, expected);
    TSetupSupporter Supporter;
    StoreCardPageValues(Supporter);
    Supporter.SetMultiPort(multiPort);
    Supporter.SetbSeries(series);
    Supporter.SetUseCardNameB(useNameB);
    if (listing)
        Supporter.OnGetCardString = [](QObject*, qint32) { return QString(); };
    QCOMPARE(Supporter.HelpDocument(), expected);
}

void TestSetupSupporter::rendersHelpDocument()
{
    TTestMainForm Main;
    TSetupSupporter Supporter(&Main);
    StoreCardPageValues(Supporter);
    Supporter.SetMultiPort(true);
    Supporter.CreateWindows();
    const QTextDocument* Document = Supporter.HelpForm()->HelpRich->document();
    QVERIFY(Document->toPlainText().startsWith(QStringLiteral("Vellor KX-2400 Series Settings Program\n\n")));

    const QTextCharFormat Heading = FormatOf(Document, QStringLiteral("Vellor KX-2400 Series Settings Program"));
    QCOMPARE(Heading.fontWeight(), int(QFont::Bold));
    QCOMPARE(Heading.fontPointSize(), 16.0);
    QCOMPARE(Heading.foreground().color(), QColor(64, 64, 64));

    const QTextCharFormat Note = FormatOf(Document, QStringLiteral("Note:"));
    QCOMPARE(Note.fontWeight(), int(QFont::Bold));
    QCOMPARE(Note.fontPointSize(), 16.0);

    struct TColoured {
        const char* Text;
        QColor Colour;
    };
    for (const TColoured& Part : {TColoured{"Yellow circles", QColor(255, 255, 64)},
                                  TColoured{"Blue circles", QColor(64, 64, 255)},
                                  TColoured{"Red circles", QColor(255, 64, 64)},
                                  TColoured{"setup circles", QColor(255, 255, 64)},
                                  TColoured{"features", QColor(64, 64, 255)},
                                  TColoured{"calibration", QColor(255, 64, 64)}}) {
        const QTextCharFormat Format = FormatOf(Document, QString::fromLatin1(Part.Text));
        QVERIFY2(Format.hasProperty(QTextFormat::ForegroundBrush), Part.Text);
        QCOMPARE(Format.foreground().color(), Part.Colour);
    }
    const QTextCharFormat Body = FormatOf(Document, QStringLiteral(" provide information on configuring jumpers and switches."));
    QCOMPARE(Body.fontPointSize(), 12.0);
    QCOMPARE(Body.fontWeight(), int(QFont::Normal));
    QCOMPARE(Body.foreground().color(), QColor(64, 64, 64));
}

void TestSetupSupporter::namesAreTextInHelpDocument()
{
    TTestMainForm Main;
    TSetupSupporter Supporter(&Main);
    Supporter.SetCompanyName(QStringLiteral(R"(V{\b}o)"));
    Supporter.SetCardNameA(QStringLiteral("KX}"));
    QVERIFY(Supporter.HelpDocument().contains(QStringLiteral(R"({\b V\{\\b\}o KX\} Series Settings)")));
    Supporter.CreateWindows();
    QVERIFY(Supporter.HelpForm()->HelpRich->toPlainText().startsWith(
        QStringLiteral(R"(V{\b}o KX} Series Settings Program)")));
}

void TestSetupSupporter::techSupportText()
{
    TTestMainForm Main;
    TSetupSupporter Supporter(&Main);
    StoreCardPageValues(Supporter);
    const QString Expected =
        "There are several ways to get technical support. First and fastest is to skim the relevant "
        "sections of the manual. However, some questions require personal assistance, and Vellor "
        "stands ready to provide that help. You can call us between 9 am and 4 pm local time at "
        "1-555-0100 for any of your product questions.\r\n\r\nIn order to provide the best and "
        "fastest support possible, we ask that you be at your computer when you call, and have the "
        "Vellor product manual and Software Master CD at hand.";
    QCOMPARE(Supporter.TechSupportText(), Expected);
    Supporter.CreateWindows();
    QCOMPARE(Supporter.TechForm()->TechMemo->toPlainText(), QString(Expected).replace(CrLf, "\n"));
}

void TestSetupSupporter::refusedTimerAtStartupIsReported()
{
    TApplication* Application = TApplication::Instance();
    TTestMainForm Main;
    auto* Supporter = new TRefusingSupporter(&Main);
    StoreCardPageValues(*Supporter);
    Application->OnIdle = [Supporter](QObject* Sender, bool& Done) {
        Supporter->ApplicationIdle(Sender, Done);
    };
    TMessageBoxAnswerer Answerer({QMessageBox::Ok});
    Main.show();
    for (int Moment = 0; Moment < 100 && Answerer.Seen.isEmpty(); ++Moment)
        WaitIdle(20);
    QCOMPARE(Answerer.Seen.size(), 1);
    QCOMPARE(Answerer.Seen[0].Text, QStringLiteral("Not enough timers available"));
    // The work got as far as the timer.
    QCOMPARE(Supporter->HeaderLabel()->text(), QStringLiteral("KX-2400 Series Settings Program"));
    QTest::qWait(300);
    QVERIFY(!Supporter->HelpForm()->isVisible());
    QVERIFY(!Application->OnIdle);
}

void TestSetupSupporter::refusedTimerInTickGoesToErrorHandler()
{
    TRefusingSupporter Supporter;
    Supporter.SetChannels(0);
    Supporter.OnGetCalibString = [](QObject*, quint8, bool&) { return QString(); };
    Supporter.Allowed = 1;
    Supporter.SetRunning(true);
    // Every channel fails; Retry asks for the timer again, which is refused.
    TMessageBoxAnswerer Answerer({QMessageBox::Retry, QMessageBox::Ok});
    QTRY_COMPARE(Answerer.Seen.size(), 2);
    QCOMPARE(Answerer.Seen[0].Caption, QStringLiteral("Total A/D failure"));
    QCOMPARE(Answerer.Seen[1].Text, QStringLiteral("Not enough timers available"));

    // Outside a tick the error reaches the caller.
    Supporter.SetRunning(false);
    QVERIFY_THROWS_EXCEPTION(EOutOfResources, Supporter.SetRunning(true));
}

void TestSetupSupporter::writingOnBeginCalibRestartsRunningTimer()
{
    TRefusingSupporter Supporter;
    Supporter.Allowed = 10;
    Supporter.SetOnBeginCalib([](QObject*) {});
    QCOMPARE(Supporter.Starts, 0); // neither running nor help pending: no timer
    Supporter.SetRunning(true);
    QCOMPARE(Supporter.Starts, 1);
    Supporter.SetRunning(true); // an equal value changes nothing
    QCOMPARE(Supporter.Starts, 1);
    Supporter.SetOnBeginCalib(nullptr);
    QCOMPARE(Supporter.Starts, 2);
    Supporter.SetRunning(false);
    QCOMPARE(Supporter.Starts, 2);
}

int main(int Argc, char** Argv)
{
    TApplication Application(Argc, Argv);
    TestSetupSupporter Test;
    return QTest::qExec(&Test, Argc, Argv);
}

#include "tst_setupsupporter.moc"
