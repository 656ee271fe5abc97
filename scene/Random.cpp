#include "scene/Random.h"

int Random::Next()
{
    m_state = m_state * 214013u + 2531011u;
    return static_cast<int>((m_state >> 16) & 0x7FFFu);
}

float Random::RealOf(int draw, float scale, float offset)
{
    const double u = draw / 32767.0;
    return static_cast<float>(u * static_cast<double>(scale) + static_cast<double>(offset));
}

int Random::CountOf(int draw, float scale)
{
    const double u = draw / 32767.0;
    return static_cast<int>(u * static_cast<double>(scale));
}
