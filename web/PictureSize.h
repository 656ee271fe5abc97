#pragma once

// The page's picture in device pixels. The view (the viewport, which the world is mapped to)
// can be far larger than anything shown at once: an iframe on someone else's page may be
// 65536 CSS pixels a side. The picture holds the view's top-left corner, within what every
// browser's canvas holds. The screen's reported size is no bound: iOS reports its portrait size
// in landscape, and chromium's ignores the zoom that the pixel ratio includes. All products are
// taken in 64 bits: size_t is 32 bits in wasm.
struct PictureSize {
    int width;
    int height;
};

// No browser lays out a box this many device pixels long; longer lengths are cut to it.
inline constexpr int MaxViewSide = 1 << 24;
// A canvas longer than this is refused by some browsers.
inline constexpr int MaxCanvasSide = 16384;
// 128 MB of picture at 4 bytes a pixel; an 8K screen (7680 x 4320) fits.
inline constexpr long long MaxCanvasPixels = 1LL << 25;

// Device pixels of `css` CSS pixels at `ratio` device pixels a CSS pixel, rounded to nearest,
// from 0 (also for a length or ratio that is not a number) to MaxViewSide.
int DevicePixels(double css, double ratio);

// The picture for a view of viewWidth x viewHeight device pixels: at most MaxCanvasSide a side,
// and the rows that fit in MaxCanvasPixels.
PictureSize PictureFor(int viewWidth, int viewHeight);
