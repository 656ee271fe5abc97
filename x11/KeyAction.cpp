#include "x11/KeyAction.h"

#include "scene/WorldTable.h"

#include <X11/keysym.h>

KeyAction ActionOfKey(KeySym key)
{
    if (key >= XK_1 && key < XK_1 + WorldCount) return {KeyAction::ShowWorld, WorldTable[key - XK_1].kind};
    switch (key) {
    case XK_q:
    case XK_Escape:
        return {KeyAction::End};
    default:
        return {};
    }
}
