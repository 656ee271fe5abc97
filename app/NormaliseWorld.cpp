#include "NormaliseWorld.h"

#include "WorldKind.h"

std::int32_t NormaliseWorld(std::int32_t stored)
{
    if (stored == -1)
        return Cascadium;
    if (static_cast<std::uint32_t>(stored) > static_cast<std::uint32_t>(PachinkoMachine))
        return PachinkoMachine;
    return stored;
}
