// SPDX-License-Identifier: MIT
// A driver library with every entry point; each remembers that it was called, so a test
// can tell which function a variable was bound to.
#include <QtGlobal>

#include <cstdint>

namespace {
const char* LastCalled = "";
}

extern "C" Q_DECL_EXPORT const char* StandInLastCalled()
{
    return LastCalled;
}

extern "C" Q_DECL_EXPORT int32_t GetNumCards()
{
    LastCalled = "GetNumCards";
    return 2;
}

#define STAND_IN_ENTRY(Name)                                                                        \
    extern "C" Q_DECL_EXPORT void Name()                                                            \
    {                                                                                               \
        LastCalled = #Name;                                                                         \
    }

STAND_IN_ENTRY(QueryCardInfo)
STAND_IN_ENTRY(QueryBARBase)
STAND_IN_ENTRY(WaitForIRQ)
STAND_IN_ENTRY(COSWaitForIRQ)
STAND_IN_ENTRY(WDGHandleIRQ)
STAND_IN_ENTRY(AbortRequest)
STAND_IN_ENTRY(CloseCard)
STAND_IN_ENTRY(WDGInit)
STAND_IN_ENTRY(WDGSetTimeout)
STAND_IN_ENTRY(WDGSetResetDuration)
STAND_IN_ENTRY(WDGPet)
STAND_IN_ENTRY(WDGReadTemp)
STAND_IN_ENTRY(WDGReadStatus)
STAND_IN_ENTRY(WDGStart)
STAND_IN_ENTRY(WDGStop)
STAND_IN_ENTRY(EmergencyReboot)
STAND_IN_ENTRY(InPortB)
STAND_IN_ENTRY(OutPortB)
STAND_IN_ENTRY(InPort)
STAND_IN_ENTRY(OutPort)
STAND_IN_ENTRY(InPortL)
STAND_IN_ENTRY(OutPortL)
STAND_IN_ENTRY(InPortDWord)
STAND_IN_ENTRY(OutPortDWord)
STAND_IN_ENTRY(RelInPortB)
STAND_IN_ENTRY(RelOutPortB)
STAND_IN_ENTRY(RelInPort)
STAND_IN_ENTRY(RelOutPort)
STAND_IN_ENTRY(RelInPortL)
STAND_IN_ENTRY(RelOutPortL)
STAND_IN_ENTRY(RelInPortDWord)
STAND_IN_ENTRY(RelOutPortDWord)
