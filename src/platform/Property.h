// SPDX-License-Identifier: MIT
#pragma once

// The start of every published property's setter: a new value is stored and reported, so
// that the setter reacts to it; writing the current value does nothing.
template <typename T> bool ChangeProperty(T& Field, const T& Value)
{
    if (Field == Value)
        return false;
    Field = Value;
    return true;
}
