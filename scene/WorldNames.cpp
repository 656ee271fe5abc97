#include "WorldNames.h"

#include "WorldKind.h"

namespace {

struct WorldName {
    int world;
    const char* name;
    const char* title;
};

constexpr WorldName Names[] = {
    {Cascadium, "cascadium", "Cascadium"},
    {NewtonsCradle, "cradle", "Newton's Cradle"},
    {PachinkoMachine, "pachinko", "Pachinko Machine"},
};

const WorldName& EntryOf(int world)
{
    for (const WorldName& n : Names)
        if (n.world == world) return n;
    return Names[0];
}

}  // namespace

std::optional<int> WorldFromName(std::string_view name)
{
    for (const WorldName& n : Names)
        if (name == n.name) return n.world;
    return std::nullopt;
}

const char* NameOfWorld(int world)
{
    return EntryOf(world).name;
}

const char* TitleOfWorld(int world)
{
    return EntryOf(world).title;
}
