#pragma once

class Scene;

// cascadium-sim's pictures. A native build draws them through Cairo; a build without Cairo
// (WebAssembly) has none, and the simulator then refuses --png and --frames.
extern const bool SimDrawsPictures;

// Draws the scene into a width x height picture and writes it as a PNG file, whole or not at
// all (ReplaceFile). False when it could not be written (or this build draws no pictures).
bool WriteSimPicture(const Scene& scene, int width, int height, const char* path);
