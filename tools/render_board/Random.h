// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

// A seeded source of noise. The engine's sequence is fixed by the C++ standard and the
// conversions below are our own, so every run and every machine gets the same picture.
class TRandom {
public:
    explicit TRandom(std::uint32_t Seed) : FEngine(Seed) {}

    double Uniform() { return FEngine() / 4294967296.0; }
    double Range(double Low, double High) { return Low + (High - Low) * Uniform(); }
    int Below(int Count) { return int(FEngine() % std::uint32_t(Count)); }
    // Roughly normal, mean 0 and deviation 1 (sum of four uniforms).
    double Gauss() { return (Uniform() + Uniform() + Uniform() + Uniform() - 2.0) * 1.732; }

private:
    std::mt19937 FEngine;
};
