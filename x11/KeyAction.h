#pragma once

#include "scene/WorldKind.h"

#include <X11/X.h>

// What a key pressed in the program's own window does.
struct KeyAction {
    enum Kind {
        Nothing,
        ShowWorld,
        End,
    };
    Kind kind = Nothing;
    WorldKind world = WorldKind::Cascadium;  // with ShowWorld
};

// The digits from 1 show the worlds in the table's order (1 Cascadium, 2 Newton's Cradle, 3 the
// Pachinko Machine); q and Escape end the program; every other key does nothing.
KeyAction ActionOfKey(KeySym key);
