#pragma once

class Scene;

// Draws the scene into a width x height picture and writes it as a PNG file. False when the
// size is not positive or the file could not be written.
bool WriteScenePng(const Scene& scene, int width, int height, const char* path);
