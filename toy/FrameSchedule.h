#pragma once

#include <cstdint>

// When a shell that paces its own pictures (the X11 program's --delay) draws the next one: one
// period of microseconds after the last was due, on the millisecond clock. The part of a
// millisecond is carried on, so that a period of 16666 gives 60 pictures a second, not 62.5.
// A period under a millisecond counts as one: pictures within the same millisecond would be
// the same picture.
class FrameSchedule {
public:
    FrameSchedule(std::uint32_t now, std::uint32_t periodUs);

    // Milliseconds from `now` until the next picture is due; 0 once it is due.
    int MsUntilDue(std::uint32_t now) const;
    // The picture due was drawn at `now`. When the loop has fallen a whole period behind, the
    // next is due a period after `now`: pictures missed are dropped, not drawn back to back.
    void Drawn(std::uint32_t now);

private:
    std::uint32_t m_periodUs;
    std::uint32_t m_dueMs;
    std::uint32_t m_carryUs = 0;  // beyond m_dueMs, below a millisecond
};
