#pragma once

#include <optional>

// When the full-screen saver ends, as the Windows saver does: on a key, a button or a touch,
// or when the pointer has travelled more than SaverPointerTolerance logical pixels in x or in
// y from where it was first seen (jitter and a slow drift measured from there, never from the
// last position). Logical pixels are the Windows saver's pixels scaled for the screen.
class SaverWake {
public:
    void PointerAt(double x, double y);
    void Activity() { m_woken = true; }
    bool Woken() const { return m_woken; }

private:
    struct Point {
        double x;
        double y;
    };
    std::optional<Point> m_first;
    bool m_woken = false;
};
