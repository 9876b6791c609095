// SPDX-License-Identifier: MIT
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QElapsedTimer>
#include <QThread>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "Desktop.h"

namespace {

// The card page as stored: the board image and the option panels on the main window.
constexpr QPoint BoardDesigned(222, 42);
constexpr QSize Photograph(600, 639);
constexpr int MemoHeight = 58;

struct TPanel {
    const char* Caption;
    const char* MenuKey;
    QRect Stored;
};

const TPanel Panels[] = {
    {"Base Address", "b", QRect(702, 24, 203, 153)},
    {"IRQ Level", "i", QRect(26, 299, 215, 209)},
    {"Manual Filter Selection", "f", QRect(416, 510, 521, 155)},
    {"Upgrade Connector", "u", QRect(24, 72, 169, 73)},
};

// Where a popup's frame belongs: the panel's stored place moved as far as the board image
// has moved, sized to the panel plus memo, buttons and status bar, at least 194 x 122, then
// moved onto the screen.
QRect ExpectedPopup(const TPanel& Panel, const QRect& MainWindow, QMargins Frame, QSize Screen)
{
    const QPoint Board((MainWindow.width() - Photograph.width()) / 2,
                       (MainWindow.height() - Photograph.height()) / 2);
    const QSize Client(Panel.Stored.width(), Panel.Stored.height() + MemoHeight + 51);
    const QSize Outer = (Client + QSize(Frame.left() + Frame.right(), Frame.top() + Frame.bottom()))
                            .expandedTo(QSize(194, 122));
    QPoint Place = Board - (BoardDesigned - Panel.Stored.topLeft());
    if (Place.x() < 0)
        Place.setX(0);
    else if (Place.x() + Outer.width() > Screen.width())
        Place.setX(Screen.width() - Outer.width());
    if (Place.y() < 0)
        Place.setY(0);
    else if (Place.y() + Outer.height() > Screen.height())
        Place.setY(Screen.height() - Outer.height());
    return QRect(Place, Outer);
}

// The help window: its fitted client area of 305 x 138 scaled to the screen, centred on the
// main window by outer sizes; halves round to even.
QRect ExpectedHelp(const QRect& MainWindow, QMargins Frame, QSize Screen)
{
    const double Scale = qMax(1.0, qMin(Screen.height() / 450.0, Screen.width() / 800.0));
    const QSize Outer = QSize(int(std::lrint(305 * Scale)), int(std::lrint(138 * Scale))).grownBy(Frame);
    return QRect(MainWindow.x() + (MainWindow.width() - Outer.width()) / 2,
                 MainWindow.y() + (MainWindow.height() - Outer.height()) / 2, Outer.width(), Outer.height());
}

// Both cores kept busy by shell loops that end by themselves after a while.
class TLoad {
public:
    TLoad()
    {
        for (int Core = 0; Core < QThread::idealThreadCount(); ++Core) {
            auto& Loop = FLoops.emplace_back(std::make_unique<QProcess>());
            Loop->start(QStringLiteral("bash"),
                        {QStringLiteral("-c"), QStringLiteral("while (( SECONDS < 900 )); do :; done")});
            Loop->waitForStarted();
        }
    }
    ~TLoad()
    {
        for (auto& Loop : FLoops) {
            Loop->kill();
            Loop->waitForFinished();
        }
    }

private:
    std::vector<std::unique_ptr<QProcess>> FLoops;
};

} // namespace

// Popups open at the place and size their rule gives them, however busy the machine is and
// whatever the window manager reports while it frames them.
class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void tourPopupAtItsPlace();
    void menuPopupsAtTheirPlaces();

private:
    // Empty when the frame of the window titled Caption comes to stand where Expected puts it,
    // given the window's frame; else what was seen.
    QString Misplaced(const QString& Caption, const std::function<QRect(QMargins)>& Expected);
    QString Misplaced(const TDesktop& Desktop, const TPanel& Panel);

    std::unique_ptr<TLoad> FLoad;
    int FLaunches = 3;
};

void TestPlacement::initTestCase()
{
    if (const int Launches = qEnvironmentVariableIntValue("KX_PLACEMENT_LAUNCHES"); Launches > 0)
        FLaunches = Launches;
    FLoad = std::make_unique<TLoad>();
}

void TestPlacement::cleanupTestCase()
{
    FLoad.reset();
}

QString TestPlacement::Misplaced(const QString& Caption, const std::function<QRect(QMargins)>& Expected)
{
    const QString Window = TDesktop::WaitForWindow(QStringLiteral("^%1$").arg(Caption));
    if (Window.isEmpty())
        return QStringLiteral("%1 never shown").arg(Caption);
    const bool Framed = TDesktop::WindowManagerRunning();
    // The frame must come to stand at its place and stay there while the X server is asked
    // again and again: a window manager's late move shows up within these readings.
    constexpr int Readings = 20;
    QRect Wanted, Seen;
    int Agreeing = 0;
    QElapsedTimer Clock;
    Clock.start();
    while (Agreeing < Readings && Clock.elapsed() < Patience) {
        const QMargins Frame = TDesktop::FrameExtents(Window);
        Wanted = Expected(Frame);
        Seen = TDesktop::OuterRect(Window);
        const bool Agrees = Seen == Wanted && (!Framed || !Frame.isNull());
        Agreeing = Agrees ? Agreeing + 1 : 0;
        if (!Agrees)
            QTest::qWait(50);
    }
    if (Agreeing == Readings)
        return {};
    const auto Text = [](QRect Rect) {
        return QStringLiteral("(%1, %2) %3 x %4").arg(Rect.x()).arg(Rect.y()).arg(Rect.width()).arg(Rect.height());
    };
    return QStringLiteral("%1 at %2, expected %3").arg(Caption, Text(Seen), Text(Wanted));
}

QString TestPlacement::Misplaced(const TDesktop& Desktop, const TPanel& Panel)
{
    const QSize Screen = QGuiApplication::primaryScreen()->size();
    return Misplaced(QLatin1String(Panel.Caption), [&](QMargins Frame) {
        return ExpectedPopup(Panel, TDesktop::OuterRect(Desktop.MainWindow()), Frame, Screen);
    });
}

// The tour's first popup, opened with Esc in the help window, in many launches.
void TestPlacement::tourPopupAtItsPlace()
{
    QStringList Failures;
    for (int Launch = 1; Launch <= FLaunches; ++Launch) {
        TDesktop Desktop;
        QVERIFY(Desktop.StartSettings());
        const QString Help = TDesktop::WaitForWindow(QStringLiteral("^Instructions for Settings utility$"));
        QVERIFY(!Help.isEmpty());
        const QString HelpFailure = Misplaced(QStringLiteral("Instructions for Settings utility"), [&](QMargins Frame) {
            return ExpectedHelp(TDesktop::OuterRect(Desktop.MainWindow()), Frame,
                                QGuiApplication::primaryScreen()->size());
        });
        if (!HelpFailure.isEmpty())
            Failures << QStringLiteral("launch %1: %2").arg(Launch).arg(HelpFailure);
        TDesktop::Activate(Help);
        TDesktop::Keys(QStringLiteral("Escape"));
        if (const QString Failure = Misplaced(Desktop, Panels[0]); !Failure.isEmpty())
            Failures << QStringLiteral("launch %1: %2").arg(Launch).arg(Failure);
    }
    QVERIFY2(Failures.isEmpty(), qPrintable(Failures.join(QLatin1String("; "))));
}

// Each popup of the card page, opened through the Settings menu.
void TestPlacement::menuPopupsAtTheirPlaces()
{
    TDesktop Desktop;
    QVERIFY(Desktop.StartSettings());
    // The help window stays open: it cannot take the keyboard later, and closing it would
    // need a window manager.
    QVERIFY(!TDesktop::WaitForWindow(QStringLiteral("^Instructions for Settings utility$")).isEmpty());
    QStringList Failures;
    for (const TPanel& Panel : Panels) {
        TDesktop::ChooseMenu(Desktop.MainWindow(), QStringLiteral("alt+s"), QLatin1String(Panel.MenuKey));
        if (const QString Failure = Misplaced(Desktop, Panel); !Failure.isEmpty())
            Failures << Failure;
    }
    QVERIFY2(Failures.isEmpty(), qPrintable(Failures.join(QLatin1String("; "))));
}

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
