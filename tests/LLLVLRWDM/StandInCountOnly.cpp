// SPDX-License-Identifier: MIT
// A driver library that exports nothing but the card count.
#include <QtGlobal>

#include <cstdint>

extern "C" Q_DECL_EXPORT int32_t GetNumCards()
{
    return 3;
}
