// The aliased surface uses the portable renderer and the scene only.
#include "render/aliased/PixelImage.h"
#include "render/DrawSurface.h"
#include "render/damage/PartialRedraw.h" // forbidden
#include <X11/Xlib.h> // forbidden
