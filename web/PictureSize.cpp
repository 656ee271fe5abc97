#include "web/PictureSize.h"

#include <algorithm>
#include <cmath>

int DevicePixels(double css, double ratio)
{
    const double pixels = std::round(css * ratio);
    // Written so that NaN fails the test and counts as 0.
    if (!(pixels > 0.0)) return 0;
    return pixels >= MaxViewSide ? MaxViewSide : static_cast<int>(pixels);
}

PictureSize PictureFor(int viewWidth, int viewHeight)
{
    const int width = std::clamp(viewWidth, 0, MaxCanvasSide);
    int height = std::clamp(viewHeight, 0, MaxCanvasSide);
    if (static_cast<long long>(width) * height > MaxCanvasPixels) height = static_cast<int>(MaxCanvasPixels / width);
    return {width, height};
}
