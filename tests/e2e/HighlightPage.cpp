// SPDX-License-Identifier: MIT
// The test page on its own, for end-to-end tests of the circles and their popups.
#include "Application.h"
#include "TestPage.h"

int main(int Argc, char** Argv)
{
    TApplication Application(Argc, Argv);
    TTestPage Page;
    Page.showMaximized();
    return Application.exec();
}
