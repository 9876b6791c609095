// SPDX-License-Identifier: MIT
// The KX-2400 settings program.
#include "Application.h"
#include "template.h"

int main(int Argc, char** Argv)
{
    TApplication Application(Argc, Argv);
    TMainForm MainForm;
    MainForm.showMaximized();
    return Application.exec();
}
