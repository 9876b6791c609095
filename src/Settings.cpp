// SPDX-License-Identifier: MIT
// The KX-2400 settings program.
#include "Application.h"
#include "template.h"

int main(int Argc, char** Argv)
{
    // The card page is laid out in pixels and is never scaled to the screen's resolution.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    TApplication Application(Argc, Argv);
    TMainForm MainForm;
    MainForm.showMaximized();
    return Application.exec();
}
