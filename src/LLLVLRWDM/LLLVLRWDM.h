// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The card family's driver library, bound at run time. The program runs without it; only
// the installed-cards listing loads it, and only the card count is ever called.
namespace LLLVLRWDM {

using TGetNumCards = int32_t (*)();
// Nothing calls the other entry points, so their signatures are left open.
using TDriverEntry = void (*)();

extern TGetNumCards GetNumCards;
extern TDriverEntry QueryCardInfo;
extern TDriverEntry QueryBARBase;
extern TDriverEntry WaitForIRQ;
extern TDriverEntry COSWaitForIRQ;
extern TDriverEntry WDGHandleIRQ;
extern TDriverEntry AbortRequest;
extern TDriverEntry CloseCard;
extern TDriverEntry WDGInit;
extern TDriverEntry WDGSetTimeout;
extern TDriverEntry WDGSetResetDuration;
extern TDriverEntry WDGPet;
extern TDriverEntry WDGReadTemp;
extern TDriverEntry WDGReadStatus;
extern TDriverEntry WDGStart;
extern TDriverEntry WDGStop;
extern TDriverEntry EmergencyReboot;
extern TDriverEntry InPortB;
extern TDriverEntry OutPortB;
extern TDriverEntry InPort;
extern TDriverEntry OutPort;
extern TDriverEntry InPortL;
extern TDriverEntry OutPortL;
extern TDriverEntry InPortDWord;
extern TDriverEntry OutPortDWord;
extern TDriverEntry RelInPortB;
extern TDriverEntry RelOutPortB;
extern TDriverEntry RelInPort;
extern TDriverEntry RelOutPort;
extern TDriverEntry RelInPortL;
extern TDriverEntry RelOutPortL;
extern TDriverEntry RelInPortDWord;
extern TDriverEntry RelOutPortDWord;

// True once a LoadDriver call has resolved every entry point.
extern bool DriverReady;

// Loads "VLRWDM" through the system's library search and resolves its entry points by
// name. A missing library changes nothing; a missing entry point leaves its variable null.
void LoadDriver();

} // namespace LLLVLRWDM
