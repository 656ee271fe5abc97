#include "toy/FrameSchedule.h"

#include "toy/TickSchedule.h"

#include <algorithm>

namespace {

constexpr std::uint32_t UsPerMs = 1000;

}  // namespace

FrameSchedule::FrameSchedule(std::uint32_t now, std::uint32_t periodUs)
    : m_periodUs(std::max(periodUs, UsPerMs)),
      m_dueMs(now)
{}

int FrameSchedule::MsUntilDue(std::uint32_t now) const
{
    return WaitBefore(m_dueMs, now);
}

void FrameSchedule::Drawn(std::uint32_t now)
{
    const std::int64_t lateMs = static_cast<std::int32_t>(now - m_dueMs);
    if (lateMs * UsPerMs >= m_periodUs) {
        m_dueMs = now;
        m_carryUs = 0;
    }
    const std::uint32_t ahead = m_carryUs + m_periodUs;
    m_dueMs += ahead / UsPerMs;
    m_carryUs = ahead % UsPerMs;
}
