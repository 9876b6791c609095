// SPDX-License-Identifier: MIT
// The figures measured from outside the real program on an X desktop, side by side with
// minimal Qt programs doing the same: start-up to the first full paint, opening a popup
// on hover, and resident memory over a session. Nothing is hooked into the program: the
// screen is read until the expected pixels are there, then the program is killed.
//   bench_desktop <runs> <Settings> <anchor_window> <anchor_hover>
// prints one tab-separated line a figure. Run it inside tests/e2e/xsession.sh.
#include <QFile>
#include <QApplication>
#include <QProcess>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <thread>

#include "Figure.h"
#include "JpegImage.h"
#include "TBoardHighlight.h"
#include "XDesktop.h"

namespace {

using namespace std::chrono_literals;

// Polls Condition every millisecond until it holds or TimeoutMs pass.
bool WaitFor(const std::function<bool()>& Condition, int TimeoutMs = 20000)
{
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
    while (!Condition()) {
        if (std::chrono::steady_clock::now() > Deadline)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

void Pause(int Ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(Ms));
}

[[noreturn]] void Fail(const char* What)
{
    std::fprintf(stderr, "bench_desktop: %s\n", What);
    std::exit(1);
}

// Pixels that must show given values: the points of Expected that Mask leaves set.
struct TProbe {
    QRect Area;
    QImage Expected;
    std::vector<QPoint> Points; // empty: every pixel of the area

    bool Matches(const TXDesktop& Desktop) const
    {
        const QImage Now = Desktop.Grab(Area);
        if (Points.empty())
            return Now == Expected;
        for (const QPoint& Point : Points)
            if (Now.pixel(Point) != Expected.pixel(Point))
                return false;
        return true;
    }
};

bool AllMatch(const TXDesktop& Desktop, const std::vector<TProbe>& Probes)
{
    for (const TProbe& Probe : Probes)
        if (!Probe.Matches(Desktop))
            return false;
    return true;
}

// Where Patch's top-left corner stands on Screen, or (-1, -1).
QPoint Find(const QImage& Screen, const QImage& Patch)
{
    for (int Y = 0; Y + Patch.height() <= Screen.height(); ++Y)
        for (int X = 0; X + Patch.width() <= Screen.width(); ++X) {
            if (Screen.pixel(X, Y) != Patch.pixel(0, 0))
                continue;
            bool Same = true;
            for (int PY = 0; PY < Patch.height() && Same; ++PY)
                for (int PX = 0; PX < Patch.width() && Same; ++PX)
                    Same = Screen.pixel(X + PX, Y + PY) == Patch.pixel(PX, PY);
            if (Same)
                return {X, Y};
        }
    return {-1, -1};
}

TXDesktop::TWindow WaitForWindow(const TXDesktop& Desktop, pid_t Pid, const QString& Title)
{
    TXDesktop::TWindow Found;
    WaitFor([&] {
        for (const auto& Window : Desktop.Windows(Pid))
            if (Window.Title == Title) {
                Found = Window;
                return true;
            }
        return false;
    });
    return Found;
}

// The circles of the card page on the photograph, and how each looks while idle.
const QRect Circles[] = {{176, 57, 47, 149}, {85, 60, 42, 188}, {244, 316, 280, 40},
                         {136, 202, 48, 19}, {127, 127, 48, 19}};

// The card page seen from outside: where its photograph stands once centred.
class TCardPage {
public:
    TCardPage()
    {
        QFile Asset(QStringLiteral(BOARD_JPEG));
        if (!Asset.open(QIODevice::ReadOnly))
            Fail("cannot read the photograph");
        FPhoto = DecodeJpeg(Asset.readAll());
        const TBoardHighlight Circle;
        for (const QRect& Place : Circles) {
            QImage Look = FPhoto.copy(Place);
            TBoardHighlight::DrawRing(Look, Circle.RingColor(), Circle.IdleStrength(), false);
            FIdleLooks.push_back(Look);
        }
    }

    // The middle row of every circle's idle look, with the board's origin at Board.
    std::vector<TProbe> CircleProbes(QPoint Board) const
    {
        std::vector<TProbe> Probes;
        for (size_t Index = 0; Index < FIdleLooks.size(); ++Index) {
            const QRect& Place = Circles[Index];
            const int Row = Place.height() / 2;
            Probes.push_back({QRect(Board + Place.topLeft() + QPoint(0, Row), QSize(Place.width(), 1)),
                              FIdleLooks[Index].copy(0, Row, Place.width(), 1), {}});
        }
        return Probes;
    }

    // Waits for the photograph, centred and with its circles drawn; returns its origin.
    QPoint Locate(const TXDesktop& Desktop) const
    {
        const QImage Patch = FPhoto.copy(8, 8, 24, 24);
        QPoint Board(-1, -1);
        WaitFor([&] {
            Board = Find(Desktop.GrabScreen(), Patch) - QPoint(8, 8);
            return Board.x() >= 0 && AllMatch(Desktop, CircleProbes(Board));
        }, 20000);
        return Board;
    }

    static QPoint Centre(QPoint Board, int Circle) { return Board + Circles[Circle].center(); }

private:
    QImage FPhoto;
    std::vector<QImage> FIdleLooks;
};

// The first rows of the menu bar, as they show once the program is up.
TProbe MenuProbe(const TXDesktop& Desktop, const QRect& Client)
{
    const QRect Strip(Client.topLeft() + QPoint(0, 2), QSize(260, 14));
    return {Strip, Desktop.Grab(Strip), {}};
}

struct TStartup {
    QString Command;
    QString Title;
    std::vector<TProbe> Probes;
};

void ClearDesktop(const TXDesktop& Desktop, const TProbe& Menu)
{
    WaitFor([&] { return !Menu.Matches(Desktop); }, 5000);
    Pause(150);
}

TStartup CalibrateProgram(const TXDesktop& Desktop, const TCardPage& Page, const QString& Command,
                          QPoint* Board)
{
    TChild Child({Command});
    const auto Main = WaitForWindow(Desktop, Child.Pid(), QStringLiteral("Setup"));
    *Board = Page.Locate(Desktop);
    if (Board->x() < 0)
        Fail("the card page's photograph did not show");
    Pause(300);
    TStartup Startup{Command, QStringLiteral("Setup"), Page.CircleProbes(*Board)};
    Startup.Probes.push_back(MenuProbe(Desktop, Main.Client));
    Child.Finish();
    ClearDesktop(Desktop, Startup.Probes.back());
    return Startup;
}

TStartup CalibrateAnchor(const TXDesktop& Desktop, const QString& Command)
{
    TChild Child({Command});
    const auto Main = WaitForWindow(Desktop, Child.Pid(), QStringLiteral("Anchor window"));
    Pause(500);
    const QRect Line(Main.Client.left(), Main.Client.center().y(), Main.Client.width(), 1);
    TStartup Startup{Command, QStringLiteral("Anchor window"), {{Line, Desktop.Grab(Line), {}}}};
    Startup.Probes.push_back(MenuProbe(Desktop, Main.Client));
    Child.Finish();
    ClearDesktop(Desktop, Startup.Probes.back());
    return Startup;
}

// Wall time to the first full paint, CPU time and peak memory of one start.
std::array<double, 3> TimeStartup(const TXDesktop& Desktop, const TStartup& Startup)
{
    TChild Child({Startup.Command});
    double Wall = 0;
    if (!WaitFor([&] {
            if (!AllMatch(Desktop, Startup.Probes))
                return false;
            Wall = Child.ElapsedMs();
            return true;
        }))
        Fail("a start did not reach its first full paint");
    const auto [Cpu, Peak] = Child.Finish();
    ClearDesktop(Desktop, Startup.Probes.back());
    return {Wall, Cpu, Peak};
}

// Hovering a spot: the screen after, at the pixels that hovering changes and that then
// stay as they are (a blinking text cursor does not count).
struct THover {
    QPoint Target;
    QPoint Away;
    TProbe After;
};

THover CalibrateOneHover(const TXDesktop& Desktop, QPoint Target, QPoint Away)
{
    Desktop.MovePointer(Away);
    Pause(1000);
    const QImage Before = Desktop.GrabScreen();
    Desktop.MovePointer(Target);
    Pause(1000);
    const QImage After = Desktop.GrabScreen();
    Pause(530);
    const QImage Later = Desktop.GrabScreen();
    QRect Bounds;
    std::vector<QPoint> Changed;
    for (int Y = 0; Y < Before.height(); ++Y)
        for (int X = 0; X < Before.width(); ++X)
            if (After.pixel(X, Y) == Later.pixel(X, Y) && After.pixel(X, Y) != Before.pixel(X, Y)) {
                Changed.emplace_back(X, Y);
                Bounds |= QRect(X, Y, 1, 1);
            }
    if (Changed.empty())
        Fail("hovering changed nothing on the screen");
    for (QPoint& Point : Changed)
        Point -= Bounds.topLeft();
    Desktop.MovePointer(Away);
    return {Target, Away, {Bounds, After.copy(Bounds), Changed}};
}

// The first opening builds and activates the window, later ones only show it, so each
// has its own picture.
std::pair<THover, THover> CalibrateHover(const TXDesktop& Desktop, QPoint Target, QPoint Away)
{
    THover First = CalibrateOneHover(Desktop, Target, Away);
    THover Later = CalibrateOneHover(Desktop, Target, Away);
    return {First, Later};
}

// From the pointer entering to the hovered window painted; Pid's program shows only its
// main window before.
double TimeHover(const TXDesktop& Desktop, const THover& Hover, pid_t Pid)
{
    if (!WaitFor([&] { return Desktop.Windows(Pid).size() == 1; }, 5000))
        Fail("the hovered window did not go away");
    Pause(100);
    const auto Start = std::chrono::steady_clock::now();
    Desktop.MovePointer(Hover.Target);
    if (!WaitFor([&] { return Hover.After.Matches(Desktop); }, 5000))
        Fail("hovering did not show its window");
    const std::chrono::duration<double, std::milli> Elapsed = std::chrono::steady_clock::now() - Start;
    Desktop.MovePointer(Hover.Away);
    return Elapsed.count();
}

// Starts the program and waits until it is up with its help window closed.
void StartProgram(const TXDesktop& Desktop, const TCardPage& Page, TChild& Child)
{
    WaitForWindow(Desktop, Child.Pid(), QStringLiteral("Setup"));
    if (Page.Locate(Desktop).x() < 0)
        Fail("the card page's photograph did not show");
    const auto Help = WaitForWindow(Desktop, Child.Pid(), QStringLiteral("Instructions for Settings utility"));
    if (!Help.Id)
        Fail("the help window did not show");
    Desktop.Close(Help.Id);
    WaitFor([&] { return Desktop.Windows(Child.Pid()).size() == 1; }, 5000);
}

void Xdotool(const QStringList& Arguments)
{
    QProcess::execute(QStringLiteral("xdotool"), Arguments);
}

} // namespace

int main(int Argc, char** Argv)
{
    // Circles are widgets; this process shows none, and its children inherit no setting.
    int QtArgc = 3;
    char QtName[] = "bench", QtOption[] = "-platform", QtPlatform[] = "offscreen";
    char* QtArgv[] = {QtName, QtOption, QtPlatform, nullptr};
    QApplication Application(QtArgc, QtArgv);
    if (Argc < 5)
        Fail("usage: bench_desktop <runs> <Settings> <anchor_window> <anchor_hover>");
    const int Runs = std::max(1, std::atoi(Argv[1]));
    const QString Program = QString::fromLocal8Bit(Argv[2]);
    const QString AnchorWindow = QString::fromLocal8Bit(Argv[3]);
    const QString AnchorHover = QString::fromLocal8Bit(Argv[4]);
    const TXDesktop Desktop;
    if (!Desktop.Opened())
        Fail("no X display");
    const TCardPage Page;
    QTextStream Out(stdout);

    // Start-up, in pairs whose order alternates.
    QPoint Board;
    const TStartup ProgramStart = CalibrateProgram(Desktop, Page, Program, &Board);
    const TStartup AnchorStart = CalibrateAnchor(Desktop, AnchorWindow);
    TFigure Wall{QStringLiteral("startup_wall"),
                 QStringLiteral("start to first full paint (window, board, menu bar, five circles), wall"),
                 QStringLiteral("ms"), {}, {}, QStringLiteral("<= 1.15x")};
    TFigure Cpu{QStringLiteral("startup_cpu"), QStringLiteral("the same, CPU"), QStringLiteral("ms"), {}, {},
                QStringLiteral("<= 1.2x")};
    TFigure Peak{QStringLiteral("startup_peak"), QStringLiteral("peak resident memory at that point"),
                 QStringLiteral("MiB"), {}, {}, QStringLiteral("<= 1.12x")};
    for (int Run = 0; Run < Runs; ++Run) {
        for (const bool ProgramTurn : {Run % 2 == 0, Run % 2 != 0}) {
            const auto [W, C, P] = TimeStartup(Desktop, ProgramTurn ? ProgramStart : AnchorStart);
            (ProgramTurn ? Wall.Program : Wall.Anchor).push_back(W);
            (ProgramTurn ? Cpu.Program : Cpu.Anchor).push_back(C);
            (ProgramTurn ? Peak.Program : Peak.Anchor).push_back(P);
        }
    }
    Out << Wall.Line() << '\n' << Cpu.Line() << '\n' << Peak.Line() << '\n';
    Out.flush();

    // Hover: a fresh program for each first opening, then later openings in it.
    TFigure First{QStringLiteral("hover_first"),
                  QStringLiteral("pointer on the base address circle to its popup painted, first opening"),
                  QStringLiteral("ms"), {}, {}, QStringLiteral("<= 1.1x")};
    TFigure Later{QStringLiteral("hover_later"), QStringLiteral("the same, later openings"),
                  QStringLiteral("ms"), {}, {}, QStringLiteral("<= 1.05x")};
    const QPoint ProgramTarget = TCardPage::Centre(Board, 0);
    const QPoint ProgramAway = Board + QPoint(-40, 300);
    std::pair<THover, THover> ProgramHover;
    {
        TChild Child({Program});
        StartProgram(Desktop, Page, Child);
        ProgramHover = CalibrateHover(Desktop, ProgramTarget, ProgramAway);
    }
    std::pair<THover, THover> AnchorHoverProbe;
    {
        TChild Child({AnchorHover});
        const QPoint Client = WaitForWindow(Desktop, Child.Pid(), QStringLiteral("Anchor hover")).Client.topLeft();
        AnchorHoverProbe = CalibrateHover(Desktop, Client + QPoint(323, 274), Client + QPoint(100, 500));
    }
    const int LaterRuns = std::max(2, Runs / 2);
    for (int Run = 0; Run < Runs; ++Run) {
        {
            TChild Child({Program});
            StartProgram(Desktop, Page, Child);
            Desktop.MovePointer(ProgramAway);
            First.Program.push_back(TimeHover(Desktop, ProgramHover.first, Child.Pid()));
            for (int Again = 0; Again < LaterRuns; ++Again)
                Later.Program.push_back(TimeHover(Desktop, ProgramHover.second, Child.Pid()));
        }
        {
            TChild Child({AnchorHover});
            WaitForWindow(Desktop, Child.Pid(), QStringLiteral("Anchor hover"));
            Desktop.MovePointer(AnchorHoverProbe.first.Away);
            First.Anchor.push_back(TimeHover(Desktop, AnchorHoverProbe.first, Child.Pid()));
            for (int Again = 0; Again < LaterRuns; ++Again)
                Later.Anchor.push_back(TimeHover(Desktop, AnchorHoverProbe.second, Child.Pid()));
        }
    }
    Out << First.Line() << '\n' << Later.Line() << '\n';
    Out.flush();

    // Memory over a session: after start-up, after hovering every circle in turn, and
    // after walking the popups with Next.
    TChild Child({Program});
    const QRect Client = WaitForWindow(Desktop, Child.Pid(), QStringLiteral("Setup")).Client;
    StartProgram(Desktop, Page, Child);
    // Far from the circles and from where their popups open.
    const QPoint Corner(Client.left() + 5, Client.bottom() - 5);
    Pause(300);
    const double Started = Child.ResidentMiB();
    // Every popup is built at its first opening; growth counts from then on.
    const auto HoverCircles = [&](int Cycles) {
        for (int Cycle = 0; Cycle < Cycles; ++Cycle) {
            Desktop.MovePointer(TCardPage::Centre(Board, Cycle % 5));
            if (!WaitFor([&] { return Desktop.Windows(Child.Pid()).size() == 2; }, 5000))
                Fail("a circle's popup did not open");
            Desktop.MovePointer(Corner);
            if (!WaitFor([&] { return Desktop.Windows(Child.Pid()).size() == 1; }, 5000))
                Fail("a circle's popup did not close");
        }
        Pause(300);
        return Child.ResidentMiB();
    };
    const double Built = HoverCircles(5);
    const int Cycles = Runs >= 10 ? 200 : 40;
    const double Hovered = HoverCircles(Cycles);
    Desktop.MovePointer(ProgramTarget);
    WaitFor([&] { return Desktop.Windows(Child.Pid()).size() == 2; }, 5000);
    Xdotool({QStringLiteral("click"), QStringLiteral("1")});
    Desktop.MovePointer(Corner);
    const int Steps = Runs >= 10 ? 50 : 10;
    for (int Step = 0; Step < Steps; ++Step) {
        const auto Windows = Desktop.Windows(Child.Pid());
        if (Windows.size() != 2)
            Fail("no single pinned popup to walk from");
        const auto& Popup = Windows[0].Title == QStringLiteral("Setup") ? Windows[1] : Windows[0];
        const QRect& Client = Popup.Client;
        // The Next button: 58 x 25, centred, 44 pixels above the client's bottom.
        const QPoint Next(Client.left() + (Client.width() - 58) / 2 + 29, Client.bottom() + 1 - 44 + 12);
        Xdotool({QStringLiteral("mousemove"), QString::number(Next.x()), QString::number(Next.y()),
                 QStringLiteral("click"), QStringLiteral("1")});
        if (!WaitFor([&] {
                const auto Now = Desktop.Windows(Child.Pid());
                return Now.size() == 2 && Now[0].Title != Popup.Title && Now[1].Title != Popup.Title;
            }, 5000))
            Fail("Next did not lead to the next popup");
    }
    Pause(300);
    const double Walked = Child.ResidentMiB();
    TFigure Resident{QStringLiteral("rss_started"), QStringLiteral("resident memory after start-up"),
                     QStringLiteral("MiB"), {Started}, {}, QString()};
    TFigure BuiltFigure{QStringLiteral("rss_popups_built"),
                        QStringLiteral("resident memory once every popup has been built"),
                        QStringLiteral("MiB"), {Built}, {}, QString()};
    TFigure HoverGrowth{QStringLiteral("rss_hover_growth"),
                        QStringLiteral("growth after %1 hover in/out cycles over the circles").arg(Cycles),
                        QStringLiteral("MiB"), {Hovered - Built}, {}, QStringLiteral("about 0")};
    TFigure WalkGrowth{QStringLiteral("rss_walk_growth"),
                       QStringLiteral("further growth after %1 presses of Next").arg(Steps),
                       QStringLiteral("MiB"), {Walked - Hovered}, {}, QStringLiteral("about 0")};
    Out << Resident.Line() << '\n' << BuiltFigure.Line() << '\n' << HoverGrowth.Line() << '\n' << WalkGrowth.Line() << '\n';
    return 0;
}
