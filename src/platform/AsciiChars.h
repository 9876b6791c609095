// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>

// Character classes of the ASCII range only: identifiers, RTF control words and
// hexadecimal input accept no other letters or digits.

inline bool IsAsciiLetter(QChar C)
{
    return (C >= u'a' && C <= u'z') || (C >= u'A' && C <= u'Z');
}

inline bool IsAsciiDigit(QChar C)
{
    return C >= u'0' && C <= u'9';
}

// 0 to 15 for a hexadecimal digit of either case, otherwise -1.
inline int HexDigitValue(QChar C)
{
    if (IsAsciiDigit(C))
        return C.unicode() - u'0';
    if (C >= u'a' && C <= u'f')
        return C.unicode() - u'a' + 10;
    if (C >= u'A' && C <= u'F')
        return C.unicode() - u'A' + 10;
    return -1;
}
