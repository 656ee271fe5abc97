#pragma once

// Pixels in memory, 0x00RRGGBB each (as X's 24-bit visuals and Cairo's RGB24 images hold
// them), rows `stride` bytes apart. The memory belongs to the caller.
struct PixelImage {
    unsigned char* data;
    int width;
    int height;
    int stride;
};
