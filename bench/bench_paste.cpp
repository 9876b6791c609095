// SPDX-License-Identifier: MIT
// Repeated pastes of one mebibyte into the base address edit of the real main window: the
// time until the window has painted again and the resident memory after each paste.
// Run: QT_QPA_PLATFORM=offscreen build/default/bench/bench_paste [pastes]
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cstdio>

#include "Application.h"
#include "template.h"

namespace {

// Resident memory in MB, from /proc; 0 where the system has no such file.
double ResidentMegabytes()
{
    QFile Status(QStringLiteral("/proc/self/statm"));
    if (!Status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> Fields = Status.readAll().split(' ');
    return Fields.size() > 1 ? Fields[1].toDouble() * 4096 / (1024 * 1024) : 0;
}

// Pastes the clipboard the way a person does, then lets the window paint.
double PasteMilliseconds(TMainForm& Form, bool ReplaceAll)
{
    QElapsedTimer Clock;
    Clock.start();
    if (ReplaceAll)
        Form.BaseEdit->selectAll();
    else
        Form.BaseEdit->end(false);
    QTest::keyClick(Form.BaseEdit, Qt::Key_V, Qt::ControlModifier);
    Form.BaseEdit->repaint();
    QCoreApplication::processEvents();
    return double(Clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int Argc, char** Argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication Application(Argc, Argv);
    const int Pastes = Argc > 1 ? QByteArray(Argv[1]).toInt() : 20;
    TMainForm Form;
    Form.show();
    QCoreApplication::processEvents();
    // The edit is shown only in its popup, opened and pinned as from the menu.
    Form.BaseHighlight->MenuEntryClick(nullptr);
    QCoreApplication::processEvents();
    Form.BaseEdit->setFocus();

    // Unreadable text, left standing by the change handler, and zeros, which it
    // reads and replaces.
    const QString Texts[] = {QString(1 << 20, u'G'), QString(1 << 20, u'0')};
    const char* Names[] = {"unreadable", "zeros"};
    for (int Kind = 0; Kind < 2; ++Kind) {
        QApplication::clipboard()->setText(Texts[Kind]);
        for (const bool ReplaceAll : {false, true}) {
            Form.BaseEdit->setText(QStringLiteral("300"));
            const double Start = ResidentMegabytes();
            double Slowest = 0;
            for (int Paste = 0; Paste < Pastes; ++Paste)
                Slowest = qMax(Slowest, PasteMilliseconds(Form, ReplaceAll));
            const double Grown = ResidentMegabytes() - Start;
            std::printf("%-11s %-8s %3d pastes: slowest %7.1f ms, memory grew %7.1f MB"
                        " (%.2f MB a paste), edit holds %lld characters\n",
                        Names[Kind], ReplaceAll ? "replace" : "append", Pastes, Slowest, Grown,
                        Grown / Pastes, qlonglong(Form.BaseEdit->text().size()));
        }
    }
    return 0;
}
