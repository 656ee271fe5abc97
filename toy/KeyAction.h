#pragma once

#include "scene/WorldKind.h"
#include "toy/ToyInput.h"

#include <string>

// What a key means to the toy, whichever shell heard it.
struct KeyAction {
    enum Kind {
        NotOurs,  // held with a platform modifier, or a repeat
        Nothing,
        ShowWorld,
        End,
    };
    Kind kind = Nothing;
    WorldKind world = WorldKind::Cascadium;  // with ShowWorld
};

// The digits from 1 show the worlds in the world table's order; q and Escape end the program;
// every other key does nothing. A key held with a platform modifier, or repeated, is not ours.
KeyAction ActionOfKey(const ToyKey& key);

// The digit keys of the worlds as a usage text names them: "1, 2 and 3".
std::string WorldKeyNames();
