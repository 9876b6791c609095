// SPDX-License-Identifier: MIT
#include "LLLVLRWDM.h"

#include <QLibrary>

#include <type_traits>

namespace LLLVLRWDM {

TGetNumCards GetNumCards = nullptr;
TDriverEntry QueryCardInfo = nullptr;
TDriverEntry QueryBARBase = nullptr;
TDriverEntry WaitForIRQ = nullptr;
TDriverEntry COSWaitForIRQ = nullptr;
TDriverEntry WDGHandleIRQ = nullptr;
TDriverEntry AbortRequest = nullptr;
TDriverEntry CloseCard = nullptr;
TDriverEntry WDGInit = nullptr;
TDriverEntry WDGSetTimeout = nullptr;
TDriverEntry WDGSetResetDuration = nullptr;
TDriverEntry WDGPet = nullptr;
TDriverEntry WDGReadTemp = nullptr;
TDriverEntry WDGReadStatus = nullptr;
TDriverEntry WDGStart = nullptr;
TDriverEntry WDGStop = nullptr;
TDriverEntry EmergencyReboot = nullptr;
TDriverEntry InPortB = nullptr;
TDriverEntry OutPortB = nullptr;
TDriverEntry InPort = nullptr;
TDriverEntry OutPort = nullptr;
TDriverEntry InPortL = nullptr;
TDriverEntry OutPortL = nullptr;
TDriverEntry InPortDWord = nullptr;
TDriverEntry OutPortDWord = nullptr;
TDriverEntry RelInPortB = nullptr;
TDriverEntry RelOutPortB = nullptr;
TDriverEntry RelInPort = nullptr;
TDriverEntry RelOutPort = nullptr;
TDriverEntry RelInPortL = nullptr;
TDriverEntry RelOutPortL = nullptr;
TDriverEntry RelInPortDWord = nullptr;
TDriverEntry RelOutPortDWord = nullptr;

bool DriverReady = false;

namespace {

struct TEntryPoint {
    const char* Name;
    void (*Store)(QFunctionPointer Address);
};

// Stores an address into one variable with that variable's own pointer type.
template <auto& Variable>
void StoreInto(QFunctionPointer Address)
{
    Variable = reinterpret_cast<std::remove_reference_t<decltype(Variable)>>(Address);
}

// In the order in which they are resolved.
constexpr TEntryPoint EntryPoints[] = {
    {"GetNumCards", StoreInto<GetNumCards>},
    {"QueryCardInfo", StoreInto<QueryCardInfo>},
    {"QueryBARBase", StoreInto<QueryBARBase>},
    {"WaitForIRQ", StoreInto<WaitForIRQ>},
    {"COSWaitForIRQ", StoreInto<COSWaitForIRQ>},
    {"WDGHandleIRQ", StoreInto<WDGHandleIRQ>},
    {"AbortRequest", StoreInto<AbortRequest>},
    {"CloseCard", StoreInto<CloseCard>},
    {"WDGInit", StoreInto<WDGInit>},
    {"WDGSetTimeout", StoreInto<WDGSetTimeout>},
    {"WDGSetResetDuration", StoreInto<WDGSetResetDuration>},
    {"WDGPet", StoreInto<WDGPet>},
    {"WDGReadTemp", StoreInto<WDGReadTemp>},
    {"WDGReadStatus", StoreInto<WDGReadStatus>},
    {"WDGStart", StoreInto<WDGStart>},
    {"WDGStop", StoreInto<WDGStop>},
    {"EmergencyReboot", StoreInto<EmergencyReboot>},
    {"InPortB", StoreInto<InPortB>},
    {"OutPortB", StoreInto<OutPortB>},
    {"InPort", StoreInto<InPort>},
    {"OutPort", StoreInto<OutPort>},
    {"InPortL", StoreInto<InPortL>},
    {"OutPortL", StoreInto<OutPortL>},
    {"InPortDWord", StoreInto<InPortDWord>},
    {"OutPortDWord", StoreInto<OutPortDWord>},
    {"RelInPortB", StoreInto<RelInPortB>},
    {"RelOutPortB", StoreInto<RelOutPortB>},
    {"RelInPort", StoreInto<RelInPort>},
    {"RelOutPort", StoreInto<RelOutPort>},
    {"RelInPortL", StoreInto<RelInPortL>},
    {"RelOutPortL", StoreInto<RelOutPortL>},
    {"RelInPortDWord", StoreInto<RelInPortDWord>},
    {"RelOutPortDWord", StoreInto<RelOutPortDWord>},
};

} // namespace

void LoadDriver()
{
    if (DriverReady)
        return;
    // QLibrary never unloads on its own, so the library stays until the program ends.
    QLibrary Library(QStringLiteral("VLRWDM"));
    if (!Library.load())
        return;
    bool AllResolved = true;
    for (const TEntryPoint& Entry : EntryPoints) {
        const QFunctionPointer Address = Library.resolve(Entry.Name);
        Entry.Store(Address);
        AllResolved = AllResolved && Address;
    }
    DriverReady = AllResolved;
}

} // namespace LLLVLRWDM
