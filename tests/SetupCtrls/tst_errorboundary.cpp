// SPDX-License-Identifier: MIT
// Errors raised by handlers at every kind of entry from Qt: each one shows its text in the
// message box and the program carries on with the next event.
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

#include "Application.h"
#include "Guard.h"
#include "MessageBoxAnswerer.h"
#include "TRadioPanel.h"
#include "TSetupSupporter.h"
#include "TTwoJumper.h"
#include "WaitIdle.h"

namespace {

[[noreturn]] void Fail(QObject*)
{
    throw std::runtime_error("Handler failed");
}

// Paints through the guard, as the program's controls do, and fails at every paint.
class TFailingPaint : public QWidget {
public:
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        Guarded([this] {
            ++Paints;
            QPainter Painter(this);
            throw std::runtime_error("Paint failed");
        });
    }
};

QStringList TextsOf(const TMessageBoxAnswerer& Answerer)
{
    QStringList Texts;
    for (const TMessageBoxAnswerer::TSeenBox& Box : Answerer.Seen)
        Texts << Box.Text;
    return Texts;
}

} // namespace

class TestErrorBoundary : public QObject {
    Q_OBJECT

private slots:
    void mouseClick();
    void keyPress();
    void paint();
    void timerTick();
    void idle();
    void panelEnterOnActivation();
    void queuedCall();
};

void TestErrorBoundary::mouseClick()
{
    TMessageBoxAnswerer Answerer;
    TTwoJumper Jumper;
    Jumper.OnClick = Fail;
    Jumper.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Jumper));
    QTest::mouseClick(&Jumper, Qt::LeftButton);
    QTRY_COMPARE(TextsOf(Answerer), QStringList{"Handler failed"});
    // The click was made before the handler failed, and the next click comes through.
    QVERIFY(Jumper.Closed());
    QTest::mouseClick(&Jumper, Qt::LeftButton);
    QTRY_COMPARE(Answerer.Seen.size(), 2);
    QVERIFY(!Jumper.Closed());
}

// A run's channel button, pressed from the keyboard, calls the card page's handler.
void TestErrorBoundary::keyPress()
{
    TMessageBoxAnswerer Answerer;
    QWidget Page;
    auto* Button = new QPushButton(&Page);
    TSetupSupporter Supporter;
    Supporter.OnStartButtonClick = Fail;
    Supporter.SetChannelControls({{nullptr, &Button, nullptr}});
    Supporter.StopCalibration();
    Page.show();
    QVERIFY(QTest::qWaitForWindowActive(&Page));
    Button->setFocus();
    QTest::keyClick(Button, Qt::Key_Space);
    QTRY_COMPARE(TextsOf(Answerer), QStringList{"Handler failed"});
    QTest::keyClick(Button, Qt::Key_Space);
    QTRY_COMPARE(Answerer.Seen.size(), 2);
}

void TestErrorBoundary::paint()
{
    TMessageBoxAnswerer Answerer;
    TFailingPaint Widget;
    Widget.resize(50, 50);
    Widget.show();
    QTRY_VERIFY(!Answerer.Seen.isEmpty());
    QCOMPARE(Answerer.Seen[0].Text, QStringLiteral("Paint failed"));
    const int Paints = Widget.Paints;
    Widget.repaint();
    QCOMPARE(Widget.Paints, Paints + 1);
}

void TestErrorBoundary::timerTick()
{
    TMessageBoxAnswerer Answerer;
    TSetupSupporter Supporter;
    Supporter.SetChannels(0);
    Supporter.OnGetCalibString = [](QObject*, quint8, bool& ItsAllBad) {
        ItsAllBad = false;
        return QString();
    };
    Supporter.SetOnBeginCalib(Fail);
    Supporter.SetRunning(true);
    // Every tick fails the same way; the run goes on until it is stopped.
    QTRY_VERIFY(Answerer.Seen.size() >= 2);
    QCOMPARE(Answerer.Seen[0].Text, QStringLiteral("Handler failed"));
    QVERIFY(Supporter.Running());
    Supporter.SetRunning(false);
}

// An error of no standard type gets a fixed text.
void TestErrorBoundary::idle()
{
    TApplication* Application = TApplication::Instance();
    TMessageBoxAnswerer Answerer;
    int Calls = 0;
    Application->OnIdle = [&](QObject*, bool&) {
        if (++Calls == 2)
            Application->OnIdle = nullptr;
        throw 42;
    };
    // Only a loop that waits for messages goes idle.
    for (int Moment = 0; Moment < 100 && Answerer.Seen.size() < 2; ++Moment)
        WaitIdle(20);
    QCOMPARE(Calls, 2);
    QCOMPARE(TextsOf(Answerer), (QStringList{"Unknown error", "Unknown error"}));
    QVERIFY(!Application->OnIdle);
}

// The panel's enter handler runs from the focus change of its window's activation.
void TestErrorBoundary::panelEnterOnActivation()
{
    TMessageBoxAnswerer Answerer;
    QWidget Window(nullptr, Qt::Tool);
    auto* Panel = new TRadioPanel(&Window);
    auto* Inside = new QPushButton(Panel);
    auto* Outside = new QPushButton(&Window);
    Outside->move(0, Panel->height());
    Panel->show();
    Inside->setFocus();
    int Entries = 0;
    Panel->OnEnter = [&](QObject* Sender) {
        ++Entries;
        Fail(Sender);
    };
    Window.show();
    Window.activateWindow();
    QTRY_COMPARE(TextsOf(Answerer), QStringList{"Handler failed"});
    QCOMPARE(Entries, 1);
    // The focus goes on moving, and entering the panel again runs the handler again.
    Window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    Outside->setFocus();
    Inside->setFocus();
    QTRY_COMPARE(Answerer.Seen.size(), 2);
    QCOMPARE(Entries, 2);
}

void TestErrorBoundary::queuedCall()
{
    TMessageBoxAnswerer Answerer;
    QObject Context;
    QMetaObject::invokeMethod(&Context, GuardedSlot([] { Fail(nullptr); }), Qt::QueuedConnection);
    bool Next = false;
    QMetaObject::invokeMethod(&Context, [&] { Next = true; }, Qt::QueuedConnection);
    QTRY_VERIFY(Next);
    QTRY_COMPARE(TextsOf(Answerer), QStringList{"Handler failed"});
}

int main(int Argc, char** Argv)
{
    TApplication Application(Argc, Argv);
    TestErrorBoundary Test;
    return QTest::qExec(&Test, Argc, Argv);
}
#include "tst_errorboundary.moc"
