// SPDX-License-Identifier: MIT
#include "Guard.h"

#include <QtGlobal>

#include "Application.h"

void ReportError(const std::exception& Error)
{
    if (TApplication* Application = TApplication::Instance())
        Application->HandleException(nullptr, Error);
    else
        qWarning("%s", Error.what());
}
