#include "toy/TickSchedule.h"

namespace {

// How far `now` is past `due`; negative while it is still ahead.
std::int64_t Lateness(std::uint32_t due, std::uint32_t now)
{
    return static_cast<std::int32_t>(now - due);
}

}  // namespace

int WaitBefore(std::uint32_t due, std::uint32_t now)
{
    const std::int64_t late = Lateness(due, now);
    return late >= 0 ? 0 : static_cast<int>(-late);
}

std::uint32_t NextDue(std::uint32_t due, std::uint32_t now)
{
    return Lateness(due, now) >= TickIntervalMs ? now + TickIntervalMs : due + TickIntervalMs;
}
