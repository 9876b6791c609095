// SPDX-License-Identifier: MIT
// The KX-2400 settings program.
#include <QDir>
#include <QIcon>

#include "Application.h"
#include "template.h"

int main(int Argc, char** Argv)
{
    // The card page is laid out in pixels and is never scaled to the screen's resolution.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    TApplication Application(Argc, Argv);
    // The desktop entry's id, by which a task bar matches the windows to their launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral(KX_APP_ID));
    // Every window without an icon of its own (popups, support windows) shows this one.
    QIcon Icon;
    for (const QFileInfo& Size : QDir(QStringLiteral(":/icons")).entryInfoList())
        Icon.addFile(Size.filePath());
    QApplication::setWindowIcon(Icon);
    TMainForm MainForm;
    MainForm.showMaximized();
    return Application.exec();
}
