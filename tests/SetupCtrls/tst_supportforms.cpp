// SPDX-License-Identifier: MIT
// The help, technical support and installed-cards windows: geometry, keys and Start.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include <memory>

#include "Messages.h"
#include "Screen.h"
#include "TBoardImage.h"
#include "THelpForm.h"
#include "TPCIForm.h"
#include "TTechForm.h"
#include "TestMainForm.h"

namespace {

// A board image of the card page's own kind that notes the start messages it gets.
class TRecordingBoard : public TBoardImage {
public:
    using TBoardImage::TBoardImage;
    QList<QList<qintptr>> Starts; // message, WParam, LParam

protected:
    bool event(QEvent* Event) override
    {
        if (Event->type() == TMessageEvent::EventType()) {
            const auto* Message = static_cast<TMessageEvent*>(Event);
            Starts << QList<qintptr>{Message->Msg, Message->WParam, Message->LParam};
        }
        return TBoardImage::event(Event);
    }
};

void ShowActive(QWidget* Window)
{
    Window->show();
    Window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Window));
}

} // namespace

class TestSupportForms : public QObject {
    Q_OBJECT

private slots:
    void helpFormLayout();
    void scaledClientSize_data();
    void scaledClientSize();
    void helpFormControlsFollowResize();
    void helpFormOpensAtTheTopOfItsText();
    void helpFormOpensCentredOnMainForm();
    void startSendsBoardStart_data();
    void startSendsBoardStart();
    void startWithoutBoardImageOnlyHides();
    void fittedMemoForm_data();
    void fittedMemoForm();
};

void TestSupportForms::helpFormLayout()
{
    QCOMPARE(TScreen::Width(), 800); // so the window is not scaled
    TTestMainForm Main;
    THelpForm Help(&Main, QStringLiteral(R"({\rtf1 Some {\b help}.})"));
    QCOMPARE(Help.objectName(), QStringLiteral("HelpForm"));
    QCOMPARE(Help.windowTitle(), QStringLiteral("Instructions for Settings utility"));
    QCOMPARE(Help.parentWidget(), &Main);
    QVERIFY(Help.windowFlags().testFlags(Qt::Tool | Qt::WindowStaysOnTopHint));
    QVERIFY(Help.isHidden());
    QCOMPARE(Help.size(), QSize(305, 138));

    QCOMPARE(Help.HelpLabel->text(), QStringLiteral("How to use this program"));
    QCOMPARE(Help.HelpLabel->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(Help.HelpLabel->font().pointSize(), 12);
    QVERIFY(Help.HelpLabel->font().bold());
    QCOMPARE(Help.HelpLabel->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    QCOMPARE(Help.HelpLabel->geometry(),
             QRect(0, 0, 305, QFontMetrics(Help.HelpLabel->font()).height()));

    QCOMPARE(Help.HelpRich->geometry(), QRect(0, 24, 305, 73));
    QVERIFY(Help.HelpRich->isReadOnly());
    QCOMPARE(Help.HelpRich->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(Help.HelpRich->palette().color(QPalette::Base), QColor(221, 221, 221));
    QCOMPARE(Help.HelpRich->toPlainText(), QStringLiteral("Some help."));

    QCOMPARE(Help.StartButton->text(), QStringLiteral("Start"));
    QCOMPARE(Help.StartButton->geometry(), QRect(66, 105, 173, 25));
    QVERIFY(Help.StartButton->isDefault());
}

void TestSupportForms::scaledClientSize_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("1024 x 768") << QSize(1024, 768) << QSize(390, 177);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QSize(732, 331);
    QTest::newRow("800 x 600") << QSize(800, 600) << QSize(305, 138);
    QTest::newRow("640 x 480") << QSize(640, 480) << QSize(305, 138);
    QTest::newRow("tall 1280 x 1024") << QSize(1280, 1024) << QSize(488, 221);
    QTest::newRow("wide 2560 x 720") << QSize(2560, 720) << QSize(488, 221);
}

void TestSupportForms::scaledClientSize()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, expected);
    QCOMPARE(THelpForm::ScaledClientSize(QSize(305, 138), screen), expected);
}

void TestSupportForms::helpFormControlsFollowResize()
{
    TTestMainForm Main;
    THelpForm Help(&Main, QString());
    Help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Help));
    Help.resize(390, 177);
    QTRY_COMPARE(Help.HelpRich->geometry(), QRect(0, 24, 390, 112));
    // The button keeps its size, its distance to the bottom and its centre's fraction.
    QCOMPARE(Help.StartButton->geometry(), QRect(108, 144, 173, 25));
    QCOMPARE(Help.HelpLabel->width(), 390);
}

void TestSupportForms::helpFormOpensAtTheTopOfItsText()
{
    TTestMainForm Main;
    QString Long = QStringLiteral(R"({\rtf1 Heading\par )");
    for (int Line = 0; Line < 30; ++Line)
        Long += QStringLiteral("Line %1\\par ").arg(Line);
    THelpForm Help(&Main, Long + QLatin1Char('}'));
    Help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Help));
    QVERIFY(Help.HelpRich->verticalScrollBar()->maximum() > 0);
    QCOMPARE(Help.HelpRich->verticalScrollBar()->value(), 0);
}

void TestSupportForms::helpFormOpensCentredOnMainForm()
{
    TTestMainForm Main;
    Main.setGeometry(40, 30, 700, 500);
    Main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Main));
    THelpForm Help(&Main, QString());
    Help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Help));
    const QPoint Offset = Help.frameGeometry().center() - Main.frameGeometry().center();
    QVERIFY2(Offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off by %1, %2").arg(Offset.x()).arg(Offset.y())));

    // Later showings leave the window where the user put it.
    Help.hide();
    Help.move(10, 10);
    const QPoint Moved = Help.pos();
    Help.show();
    QCOMPARE(Help.pos(), Moved);
}

void TestSupportForms::startSendsBoardStart_data()
{
    QTest::addColumn<int>("key"); // 0: click the button
    QTest::newRow("click") << 0;
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void TestSupportForms::startSendsBoardStart()
{
    QFETCH(int, key);
    TTestMainForm Main;
    new QWidget(Main.ClientArea);
    auto* Board = new TRecordingBoard(Main.ClientArea);
    auto* Second = new TRecordingBoard(Main.ClientArea);
    THelpForm Help(&Main, QString());
    ShowActive(&Help);
    QCOMPARE(Help.focusWidget(), Help.StartButton);

    if (key)
        QTest::keyClick(Help.focusWidget(), Qt::Key(key));
    else
        Help.StartButton->click();
    QVERIFY(!Help.isVisible());
    QCOMPARE(Board->Starts, (QList<QList<qintptr>>{{WM_BOARDSTART, 0, 0}}));
    QVERIFY(Second->Starts.isEmpty());
}

void TestSupportForms::startWithoutBoardImageOnlyHides()
{
    TTestMainForm Main;
    new QWidget(Main.ClientArea);
    THelpForm Help(&Main, QString());
    Help.show();
    Help.StartButton->click();
    QVERIFY(!Help.isVisible());
}

void TestSupportForms::fittedMemoForm_data()
{
    QTest::addColumn<bool>("tech");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("closeLeft");
    QTest::newRow("technical support") << true << "TechForm" << "Technical Support" << 116;
    QTest::newRow("installed cards") << false << "PCIForm" << "KX-2400 Cards installed" << 115;
}

void TestSupportForms::fittedMemoForm()
{
    QFETCH(bool, tech);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, closeLeft);
    TTestMainForm Main;
    std::unique_ptr<QWidget> Form;
    QPlainTextEdit* Memo = nullptr;
    QPushButton* Close = nullptr;
    if (tech) {
        auto* Tech = new TTechForm(&Main, QStringLiteral("First.\r\n\r\nSecond."));
        Form.reset(Tech);
        Memo = Tech->TechMemo;
        Close = Tech->CloseButton;
        QCOMPARE(Memo->document()->blockCount(), 3);
    } else {
        auto* Cards = new TPCIForm(&Main, QStringLiteral("KX-2400"));
        Form.reset(Cards);
        Memo = Cards->PCIMemo;
        Close = Cards->CloseButton;
        QCOMPARE(Memo->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(Memo->font().pointSize(), 10);
        QVERIFY(Memo->font().bold());
    }
    QCOMPARE(Form->objectName(), name);
    QCOMPARE(Form->windowTitle(), caption);
    QVERIFY(Form->windowFlags().testFlags(Qt::Tool | Qt::WindowStaysOnTopHint));
    QCOMPARE(Form->size(), QSize(305, 122));
    QCOMPARE(Memo->geometry(), QRect(0, 0, 305, 89));
    QVERIFY(Memo->isReadOnly());
    QCOMPARE(Memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(Close->text(), QStringLiteral("Close"));
    QCOMPARE(Close->geometry(), QRect(closeLeft, 97, 73, 25));

    ShowActive(Form.get());
    QCOMPARE(Form->focusWidget(), Close);
    QSignalSpy Clicks(Close, &QPushButton::clicked);
    QTest::keyClick(Form->focusWidget(), Qt::Key_Escape);
    QCOMPARE(Clicks.size(), 1);

    Form->resize(405, 222);
    QTRY_COMPARE(Memo->geometry(), QRect(0, 0, 405, 189));
    QCOMPARE(Close->y(), 197);
    QCOMPARE(Close->size(), QSize(73, 25));
}

QTEST_MAIN(TestSupportForms)
#include "tst_supportforms.moc"
