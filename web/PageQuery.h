#pragma once

#include "scene/WorldKind.h"
#include "toy/Pictures.h"

#include <string_view>

// What the page's address asks for: `?world=cascadium|cradle|pachinko` picks the first world,
// `?saver` the screen-saver form (no control, no pointer, input ignored), `?rate=tick` one
// picture a tick instead of one on every frame the browser shows.
struct PageQuery {
    WorldKind world = WorldKind::Cascadium;
    bool saver = false;
    Pictures pictures = Pictures::BetweenTicks;
};

// Reads the query part of an address (location.search: "?a=b&c", or empty). Names are taken
// exactly as spelt; an unknown world, an unknown name or a malformed part changes nothing.
PageQuery ParsePageQuery(std::string_view search);
