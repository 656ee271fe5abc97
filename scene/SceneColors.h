#pragma once

#include "scene/Color.h"

// Colours of the entries the world layouts and the spawner make.
inline constexpr ColorRef SceneryFill = Rgb(0, 0, 128);
inline constexpr ColorRef SceneryLine = Rgb(0, 0, 96);
inline constexpr ColorRef CradleBallFill = Rgb(128, 128, 128);
inline constexpr ColorRef CradleRodLine = Rgb(64, 64, 64);
inline constexpr ColorRef LinkLine = Rgb(0xC0, 0x80, 0x80);  // cluster joints and chain springs
