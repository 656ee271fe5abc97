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

// 1, 2 and 3 show Cascadium, Newton's Cradle and the Pachinko Machine; q and Escape end the
// program; every other key does nothing.
KeyAction ActionOfKey(KeySym key);
