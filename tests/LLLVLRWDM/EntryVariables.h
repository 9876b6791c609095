// SPDX-License-Identifier: MIT
#pragma once

#include "LLLVLRWDM.h"

#include <QStringList>
#include <QtGlobal>

#include <vector>

struct TEntryVariable {
    const char* Name;
    QFunctionPointer Address;
};

// The binding's entry-point variables as they stand now, in table order.
inline std::vector<TEntryVariable> EntryVariables()
{
    using namespace LLLVLRWDM;
    return {
        {"GetNumCards", reinterpret_cast<QFunctionPointer>(GetNumCards)},
        {"QueryCardInfo", QueryCardInfo},
        {"QueryBARBase", QueryBARBase},
        {"WaitForIRQ", WaitForIRQ},
        {"COSWaitForIRQ", COSWaitForIRQ},
        {"WDGHandleIRQ", WDGHandleIRQ},
        {"AbortRequest", AbortRequest},
        {"CloseCard", CloseCard},
        {"WDGInit", WDGInit},
        {"WDGSetTimeout", WDGSetTimeout},
        {"WDGSetResetDuration", WDGSetResetDuration},
        {"WDGPet", WDGPet},
        {"WDGReadTemp", WDGReadTemp},
        {"WDGReadStatus", WDGReadStatus},
        {"WDGStart", WDGStart},
        {"WDGStop", WDGStop},
        {"EmergencyReboot", EmergencyReboot},
        {"InPortB", InPortB},
        {"OutPortB", OutPortB},
        {"InPort", InPort},
        {"OutPort", OutPort},
        {"InPortL", InPortL},
        {"OutPortL", OutPortL},
        {"InPortDWord", InPortDWord},
        {"OutPortDWord", OutPortDWord},
        {"RelInPortB", RelInPortB},
        {"RelOutPortB", RelOutPortB},
        {"RelInPort", RelInPort},
        {"RelOutPort", RelOutPort},
        {"RelInPortL", RelInPortL},
        {"RelOutPortL", RelOutPortL},
        {"RelInPortDWord", RelInPortDWord},
        {"RelOutPortDWord", RelOutPortDWord},
    };
}

inline QStringList AllEntryNames()
{
    QStringList Names;
    for (const TEntryVariable& Entry : EntryVariables())
        Names << Entry.Name;
    return Names;
}

inline QStringList BoundEntryNames()
{
    QStringList Names;
    for (const TEntryVariable& Entry : EntryVariables())
        if (Entry.Address)
            Names << Entry.Name;
    return Names;
}
