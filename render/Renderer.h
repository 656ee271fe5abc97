#pragma once

#include "render/DrawSurface.h"

class Scene;

// Draws the live scene, oldest entry first, into a width x height picture: black first, then
// each joint line, spring line or body, then one Present of the whole picture. A scene with
// no world draws black.
void RenderScene(const Scene& scene, int width, int height, DrawSurface& surface);
