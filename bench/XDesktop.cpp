// SPDX-License-Identifier: MIT
#include "XDesktop.h"

#include <QFile>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// One property of 32-bit items (Xlib hands them out as longs).
std::vector<unsigned long> Cardinals(Display* Connection, Window Owner, const char* Name, Atom Type)
{
    Atom ActualType;
    int Format;
    unsigned long Count, After;
    unsigned char* Data = nullptr;
    std::vector<unsigned long> Values;
    if (XGetWindowProperty(Connection, Owner, XInternAtom(Connection, Name, False), 0, 4096, False,
                           Type, &ActualType, &Format, &Count, &After, &Data)
            == Success
        && Data && Format == 32) {
        const auto* Items = reinterpret_cast<unsigned long*>(Data);
        Values.assign(Items, Items + Count);
    }
    if (Data)
        XFree(Data);
    return Values;
}

QString Title(Display* Connection, Window Owner)
{
    Atom ActualType;
    int Format;
    unsigned long Count, After;
    unsigned char* Data = nullptr;
    QString Text;
    if (XGetWindowProperty(Connection, Owner, XInternAtom(Connection, "_NET_WM_NAME", False), 0, 1024,
                           False, XInternAtom(Connection, "UTF8_STRING", False), &ActualType,
                           &Format, &Count, &After, &Data)
            == Success
        && Data)
        Text = QString::fromUtf8(reinterpret_cast<const char*>(Data), int(Count));
    if (Data)
        XFree(Data);
    return Text;
}

// Windows come and go while they are looked at; a vanished one is simply not listed.
int IgnoreError(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

TXDesktop::TXDesktop() : FDisplay(XOpenDisplay(nullptr))
{
    XSetErrorHandler(IgnoreError);
}

TXDesktop::~TXDesktop()
{
    if (FDisplay)
        XCloseDisplay(FDisplay);
}

std::vector<TXDesktop::TWindow> TXDesktop::Windows(pid_t Pid) const
{
    std::vector<TWindow> Found;
    const Window Root = DefaultRootWindow(FDisplay);
    for (const unsigned long Client : Cardinals(FDisplay, Root, "_NET_CLIENT_LIST", XA_WINDOW)) {
        const auto Owner = Cardinals(FDisplay, Client, "_NET_WM_PID", XA_CARDINAL);
        if (Owner.empty() || pid_t(Owner[0]) != Pid)
            continue;
        XWindowAttributes Attributes;
        if (!XGetWindowAttributes(FDisplay, Client, &Attributes) || Attributes.map_state != IsViewable)
            continue;
        int X = 0, Y = 0;
        Window Ignored;
        XTranslateCoordinates(FDisplay, Client, Root, 0, 0, &X, &Y, &Ignored);
        Found.push_back({Client, Title(FDisplay, Client), QRect(X, Y, Attributes.width, Attributes.height)});
    }
    return Found;
}

QImage TXDesktop::Grab(const QRect& Area) const
{
    XImage* Pixels = XGetImage(FDisplay, DefaultRootWindow(FDisplay), Area.x(), Area.y(),
                               unsigned(Area.width()), unsigned(Area.height()), AllPlanes, ZPixmap);
    if (!Pixels)
        return {};
    QImage Image(Area.size(), QImage::Format_RGB32);
    for (int Y = 0; Y < Area.height(); ++Y) {
        auto* Row = reinterpret_cast<QRgb*>(Image.scanLine(Y));
        const auto* Source = reinterpret_cast<const quint32*>(Pixels->data + Y * Pixels->bytes_per_line);
        for (int X = 0; X < Area.width(); ++X)
            Row[X] = Source[X] | 0xFF000000u;
    }
    XDestroyImage(Pixels);
    return Image;
}

QImage TXDesktop::GrabScreen() const
{
    const Screen* Whole = DefaultScreenOfDisplay(FDisplay);
    return Grab(QRect(0, 0, Whole->width, Whole->height));
}

void TXDesktop::MovePointer(QPoint Point) const
{
    XWarpPointer(FDisplay, None, DefaultRootWindow(FDisplay), 0, 0, 0, 0, Point.x(), Point.y());
    XFlush(FDisplay);
}

void TXDesktop::Close(unsigned long Target) const
{
    XEvent Message{};
    Message.xclient.type = ClientMessage;
    Message.xclient.window = Target;
    Message.xclient.message_type = XInternAtom(FDisplay, "WM_PROTOCOLS", False);
    Message.xclient.format = 32;
    Message.xclient.data.l[0] = long(XInternAtom(FDisplay, "WM_DELETE_WINDOW", False));
    Message.xclient.data.l[1] = CurrentTime;
    XSendEvent(FDisplay, Target, False, NoEventMask, &Message);
    XFlush(FDisplay);
}

TChild::TChild(const QStringList& Command) : FStart(std::chrono::steady_clock::now())
{
    std::vector<QByteArray> Arguments;
    for (const QString& Argument : Command)
        Arguments.push_back(Argument.toLocal8Bit());
    std::vector<char*> Pointers;
    for (QByteArray& Argument : Arguments)
        Pointers.push_back(Argument.data());
    Pointers.push_back(nullptr);
    FPid = fork();
    if (FPid == 0) {
        execv(Pointers[0], Pointers.data());
        _exit(127);
    }
}

TChild::~TChild()
{
    if (FPid > 0)
        Finish();
}

double TChild::ElapsedMs() const
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - FStart).count();
}

std::pair<double, double> TChild::Finish()
{
    kill(FPid, SIGKILL);
    int ExitStatus = 0;
    rusage Usage{};
    wait4(FPid, &ExitStatus, 0, &Usage);
    FPid = -1;
    const double Cpu = double(Usage.ru_utime.tv_sec + Usage.ru_stime.tv_sec) * 1000.0
        + double(Usage.ru_utime.tv_usec + Usage.ru_stime.tv_usec) / 1000.0;
    return {Cpu, double(Usage.ru_maxrss) / 1024.0};
}

double TChild::ResidentMiB() const
{
    QFile StatusFile(QStringLiteral("/proc/%1/status").arg(FPid));
    if (!StatusFile.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& Line : StatusFile.readAll().split('\n'))
        if (Line.startsWith("VmRSS:"))
            return Line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}
