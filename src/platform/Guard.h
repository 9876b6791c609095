// SPDX-License-Identifier: MIT
#pragma once

#include <concepts>
#include <exception>
#include <stdexcept>
#include <utility>

// Shows the error's text in the application's message box, or warns without an application.
void ReportError(const std::exception& Error);

// Runs code that Qt called: an error it raises is reported and goes no further. Qt's own
// frames are built without exception tables, so nothing may unwind through them; every
// entry from Qt into the program's code (event overrides, slots, timer ticks, the idle
// hook) runs under this guard.
template <class F> void Guarded(F&& Code) noexcept
{
    try {
        std::forward<F>(Code)();
    } catch (const std::exception& Error) {
        ReportError(Error);
    } catch (...) {
        ReportError(std::runtime_error("Unknown error"));
    }
}

// Code for connect() and queued calls that runs guarded at every call. It takes exactly the
// arguments Code takes, so that connect() passes it as many of the signal's as Code wants.
template <class F> auto GuardedSlot(F Code)
{
    return [Code = std::move(Code)]<class... A>(A&&... Arguments)
        requires std::invocable<const F&, A...>
    {
        Guarded([&] { Code(std::forward<A>(Arguments)...); });
    };
}
