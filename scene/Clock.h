#pragma once

#include <cstdint>

// The millisecond tick counter the scene reads (GetTickCount on Windows). It wraps after
// about 49.7 days, so times are only ever compared through unsigned differences.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t Now() const = 0;
};

// A clock that moves only when told to: tests and the headless simulator.
class ManualClock final : public Clock {
public:
    explicit ManualClock(std::uint32_t start = 0) : m_now(start) {}
    std::uint32_t Now() const override { return m_now; }
    void Set(std::uint32_t now) { m_now = now; }
    void Advance(std::uint32_t ms) { m_now += ms; }

private:
    std::uint32_t m_now;
};
