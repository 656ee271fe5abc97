// Damage tracking uses the aliased surface besides the portable renderer, and no platform.
#include "render/damage/PartialRedraw.h"
#include "render/aliased/PixelImage.h"
#include "render/gdi/GdiHandles.h" // forbidden
#include <cairo.h> // forbidden
