#pragma once

#include <cstdint>

// The Microsoft C runtime's rand(), reproduced so that a seed gives the same scene on every
// platform: a 32-bit linear congruential state, results 0..32767.
class Random {
public:
    static constexpr int Max = 32767;

    void Seed(std::uint32_t seed) { m_state = seed; }
    int Next();

    // u * scale + offset for u = draw / 32767, in double precision with single-precision
    // constants, rounded once to float.
    float Real(float scale, float offset = 0.0f) { return RealOf(Next(), scale, offset); }
    // trunc(u * scale): a whole number 0..trunc(scale).
    int Count(float scale) { return CountOf(Next(), scale); }

    static float RealOf(int draw, float scale, float offset);
    static int CountOf(int draw, float scale);

private:
    std::uint32_t m_state = 1;
};
