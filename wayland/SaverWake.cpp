#include "wayland/SaverWake.h"

#include "scene/ShellDefaults.h"

#include <cmath>

void SaverWake::PointerAt(double x, double y)
{
    if (!m_first) {
        m_first = Point{x, y};
        return;
    }
    if (std::fabs(x - m_first->x) > SaverPointerTolerance || std::fabs(y - m_first->y) > SaverPointerTolerance)
        m_woken = true;
}
