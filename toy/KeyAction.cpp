#include "toy/KeyAction.h"

#include "scene/WorldTable.h"

KeyAction ActionOfKey(const ToyKey& key)
{
    if (key.platformModifier || key.repeat) return {KeyAction::NotOurs};
    const char32_t c = key.character;
    if (c >= U'1' && c < U'1' + WorldCount) return {KeyAction::ShowWorld, WorldTable[c - U'1'].kind};
    if (c == U'q' || c == EscapeCharacter) return {KeyAction::End};
    return {};
}

std::string WorldKeyNames()
{
    std::string keys;
    for (std::size_t i = 0; i < WorldCount; ++i) {
        if (i > 0) keys += i + 1 < WorldCount ? ", " : " and ";
        keys += std::to_string(i + 1);
    }
    return keys;
}
