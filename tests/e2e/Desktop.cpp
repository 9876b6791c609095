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
        FProgram.waitForFinished(5000);
    }
}

bool TDesktop::StartSettings()
{
    return Start(QStringLiteral(SETTINGS_BINARY), QStringLiteral("^Setup$"));
}

bool TDesktop::Start(const QString& Program, const QString& Title)
{
    FProgram.start(Program, {});
    if (!FProgram.waitForStarted(10000))
        return false;
    FMainWindow = WaitForWindow(Title);
    if (FMainWindow.isEmpty())
        return false;
    // Maximising and the first paints settle shortly after the window maps.
    QElapsedTimer Clock;
    Clock.start();
    while (!WindowState(FMainWindow).contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT"))
           && Clock.elapsed() < 10000)
        QTest::qWait(100);
    QTest::qWait(500);
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

QStringList TDesktop::WindowState(const QString& Window)
{
    QProcess Xprop;
    Xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), Window, QStringLiteral("_NET_WM_STATE")});
    Xprop.waitForFinished(5000);
    const QString Output = QString::fromUtf8(Xprop.readAllStandardOutput());
    const qsizetype Equals = Output.indexOf(QLatin1Char('='));
    if (Equals < 0)
        return {};
    QStringList States = Output.mid(Equals + 1).split(QLatin1Char(','));
    for (QString& State : States)
        State = State.trimmed();
    return States;
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
    if (!Tool.waitForFinished(10000))
        return false;
    if (Output)
        *Output = QString::fromUtf8(Tool.readAllStandardOutput());
    return Tool.exitStatus() == QProcess::NormalExit && Tool.exitCode() == 0;
}

void TDesktop::Activate(const QString& Window)
{
    Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), Window});
}

void TDesktop::ChooseMenu(const QString& Window, const QString& MenuKey, const QString& ItemKey)
{
    Activate(Window);
    Keys(MenuKey);
    Keys(ItemKey);
}

void TDesktop::MovePointer(int X, int Y)
{
    Xdotool({QStringLiteral("mousemove"), QString::number(X), QString::number(Y)});
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
    } while (Clock.elapsed() < 10000);
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
