// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

// Nearest integer, halves to the even neighbour (4.5 -> 4, 3.5 -> 4, -2.5 -> -2),
// independent of the floating-point environment's rounding mode.
inline long long RoundHalfEven(double Value)
{
    double Floor = std::floor(Value);
    const double Fraction = Value - Floor;
    if (Fraction > 0.5 || (Fraction == 0.5 && std::fmod(Floor, 2.0) != 0.0))
        Floor += 1.0;
    return static_cast<long long>(Floor);
}
