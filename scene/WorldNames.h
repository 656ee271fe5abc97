#pragma once

#include <optional>
#include <string_view>

// The worlds' names: the short one a command line takes ("cascadium", "cradle", "pachinko")
// and the one a window shows ("Cascadium", "Newton's Cradle", "Pachinko Machine").
std::optional<int> WorldFromName(std::string_view name);
// For a world index; anything out of range names the first world.
const char* NameOfWorld(int world);
const char* TitleOfWorld(int world);
