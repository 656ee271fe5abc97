#include "x11/KeyAction.h"

#include "scene/WorldKind.h"

#include <X11/keysym.h>

KeyAction ActionOfKey(KeySym key)
{
    switch (key) {
    case XK_1:
        return {KeyAction::ShowWorld, WorldKind::Cascadium};
    case XK_2:
        return {KeyAction::ShowWorld, WorldKind::NewtonsCradle};
    case XK_3:
        return {KeyAction::ShowWorld, WorldKind::PachinkoMachine};
    case XK_q:
    case XK_Escape:
        return {KeyAction::End};
    default:
        return {};
    }
}
