// SPDX-License-Identifier: MIT
#pragma once

// Nearest integer, halves to the even neighbour (4.5 -> 4, 3.5 -> 4, -2.5 -> -2),
// independent of the floating-point environment's rounding mode. Branch-free, as it runs
// once for every byte of a circle's looks.
inline long long RoundHalfEven(double Value)
{
    long long Floor = static_cast<long long>(Value); // toward zero
    Floor -= static_cast<double>(Floor) > Value;
    const double Fraction = Value - static_cast<double>(Floor); // exact
    Floor += (Fraction > 0.5) | ((Fraction == 0.5) & (Floor & 1));
    return Floor;
}
