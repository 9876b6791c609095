// SPDX-License-Identifier: MIT
#include "Desktop.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

TDesktop::TDesktop()
{
    FProgram.setProcessChannelMode(QProcess::ForwardedChannels);
}

TDesktop::~TDesktop()
{
    if (FProgram.state() != QProcess::NotRunning) {
        FProgram.kill();
        FProgram.waitForFinished(Patience);
    }
}

bool TDesktop::StartSettings()
{
    return Start(QStringLiteral(SETTINGS_BINARY), QStringLiteral("^Setup$"));
}

bool TDesktop::Start(const QString& Program, const QString& Title)
{
    FProgram.start(Program, {});
    if (!FProgram.waitForStarted(Patience))
        return false;
    FMainWindow = WaitForWindow(Title);
    if (FMainWindow.isEmpty())
        return false;
    if (!WindowManagerRunning())
        return true;
    QElapsedTimer Clock;
    Clock.start();
    while (!WindowState(FMainWindow).contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT"))) {
        if (Clock.elapsed() > Patience)
            return false;
        QTest::qWait(50);
    }
    return true;
}

QString TDesktop::WaitForWindow(const QString& Pattern, int TimeoutMs)
{
    QElapsedTimer Clock;
    Clock.start();
    do {
        if (const QString Window = FirstVisible(Pattern); !Window.isEmpty())
            return Window;
        QTest::qWait(100);
    } while (Clock.elapsed() < TimeoutMs);
    return {};
}

bool TDesktop::WindowShown(const QString& Pattern)
{
    return !FirstVisible(Pattern).isEmpty();
}

QString TDesktop::FirstVisible(const QString& Pattern)
{
    QString Output;
    if (!Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                  Pattern},
                 &Output))
        return {};
    return Output.split(QLatin1Char('\n')).first().trimmed();
}

QRect TDesktop::WindowGeometry(const QString& Window)
{
    QString Output;
    Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), Window}, &Output);
    int Values[4] = {0, 0, 0, 0};
    const char* Keys[4] = {"X", "Y", "WIDTH", "HEIGHT"};
    for (int Index = 0; Index < 4; ++Index) {
        const QRegularExpression Line(QStringLiteral("^%1=(-?\\d+)$").arg(QLatin1String(Keys[Index])),
                                      QRegularExpression::MultilineOption);
        const QRegularExpressionMatch Match = Line.match(Output);
        if (Match.hasMatch())
            Values[Index] = Match.captured(1).toInt();
    }
    return QRect(Values[0], Values[1], Values[2], Values[3]);
}

QRect TDesktop::ClientArea(const QString& Window)
{
    QProcess Info;
    Info.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), Window});
    Info.waitForFinished(Patience);
    const QString Output = QString::fromUtf8(Info.readAllStandardOutput());
    auto Value = [&Output](const char* Label) {
        const QRegularExpression Line(QStringLiteral("%1:\\s+(-?\\d+)").arg(QLatin1String(Label)));
        return Line.match(Output).captured(1).toInt();
    };
    return QRect(Value("Absolute upper-left X"), Value("Absolute upper-left Y"), Value("Width"),
                 Value("Height"));
}

QMargins TDesktop::FrameExtents(const QString& Window)
{
    const QStringList Values = Property(Window, "_NET_FRAME_EXTENTS");
    if (Values.size() != 4)
        return {};
    // left, right, top, bottom
    return QMargins(Values[0].toInt(), Values[2].toInt(), Values[1].toInt(), Values[3].toInt());
}

QRect TDesktop::OuterRect(const QString& Window)
{
    return ClientArea(Window).marginsAdded(FrameExtents(Window));
}

bool TDesktop::WindowManagerRunning()
{
    return !Property(QStringLiteral("root"), "_NET_SUPPORTING_WM_CHECK").isEmpty();
}

QStringList TDesktop::WindowState(const QString& Window)
{
    return Property(Window, "_NET_WM_STATE");
}

// The values of a window's property, or none while it is not set. Window may be "root".
QStringList TDesktop::Property(const QString& Window, const char* Name)
{
    QProcess Xprop;
    const QStringList Which = Window == QLatin1String("root")
        ? QStringList{QStringLiteral("-root")}
        : QStringList{QStringLiteral("-id"), Window};
    Xprop.start(QStringLiteral("xprop"), Which + QStringList{QLatin1String(Name)});
    Xprop.waitForFinished(Patience);
    const QString Output = QString::fromUtf8(Xprop.readAllStandardOutput());
    qsizetype Start = Output.indexOf(QLatin1Char('='));
    if (Start < 0)
        Start = Output.indexOf(QLatin1Char('#'));
    if (Start < 0)
        return {};
    QStringList Values = Output.mid(Start + 1).split(QLatin1Char(','));
    for (QString& Value : Values)
        Value = Value.trimmed();
    return Values;
}

QImage TDesktop::Grab()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

bool TDesktop::Xdotool(const QStringList& Arguments, QString* Output)
{
    QProcess Tool;
    Tool.start(QStringLiteral("xdotool"), Arguments);
    if (!Tool.waitForFinished(Patience))
        return false;
    if (Output)
        *Output = QString::fromUtf8(Tool.readAllStandardOutput());
    return Tool.exitStatus() == QProcess::NormalExit && Tool.exitCode() == 0;
}

void TDesktop::Activate(const QString& Window)
{
    // Without a window manager nobody answers an activation request; focus directly then.
    const QString How = WindowManagerRunning() ? QStringLiteral("windowactivate") : QStringLiteral("windowfocus");
    Xdotool({How, QStringLiteral("--sync"), Window});
}

void TDesktop::ChooseMenu(const QString& Window, const QString& MenuKey, const QString& ItemKey)
{
    Activate(Window);
    Keys(MenuKey);
    Keys(ItemKey);
}

void TDesktop::MovePointer(int X, int Y)
{
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(X),
             QString::number(Y)});
    QTest::qWait(300);
}

void TDesktop::Click()
{
    Xdotool({QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(300);
}

void TDesktop::Keys(const QString& Keys)
{
    Xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50"), Keys});
    QTest::qWait(300);
}

void TDesktop::Type(const QString& Text)
{
    Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), Text});
    QTest::qWait(300);
}

QPoint TDesktop::Locate(const QImage& Picture, QPoint PatchAt)
{
    const QImage Patch = Picture.copy(QRect(PatchAt, QSize(24, 24)));
    QElapsedTimer Clock;
    Clock.start();
    do {
        if (const QPoint Found = Find(Grab(), Patch); Found.x() >= 0)
            return Found - PatchAt;
        QTest::qWait(100);
    } while (Clock.elapsed() < Patience);
    return QPoint(-1, -1);
}

QPoint TDesktop::Find(const QImage& Screen, const QImage& Patch)
{
    const QRgb Corner = Patch.pixel(0, 0);
    for (int Y = 0; Y + Patch.height() <= Screen.height(); ++Y)
        for (int X = 0; X + Patch.width() <= Screen.width(); ++X) {
            if (Screen.pixel(X, Y) != Corner)
                continue;
            if (Screen.copy(X, Y, Patch.width(), Patch.height()) == Patch)
                return QPoint(X, Y);
        }
    return QPoint(-1, -1);
}
