#pragma once

#include "render/BodyPose.h"
#include "render/DrawSurface.h"

class Scene;

// Draws the live scene, oldest entry first, into a width x height picture: black first, then
// each joint line, spring line or body, then one Present of the whole picture. A scene with
// no world draws black. Each body stands where `poses` places it, and the lines follow their
// bodies; without poses, where the world holds them now.
void RenderScene(const Scene& scene, int width, int height, DrawSurface& surface, const PoseSource& poses);
void RenderScene(const Scene& scene, int width, int height, DrawSurface& surface);
