#pragma once

#include <cstdio>

class Scene;

// Draws the scene into a width x height picture and writes it to out as a PNG file. False when
// the size is not positive or a write failed; what reaches the file is the caller's to flush.
bool WriteScenePng(const Scene& scene, int width, int height, std::FILE* out);
