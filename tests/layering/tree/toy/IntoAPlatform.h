// The toy uses the scene, the portable renderer and its aliased and damage rooms, no platform.
#include "toy/Toy.h"
#include "render/damage/PartialRedraw.h"
#include "render/cairo/CairoSurface.h" // forbidden
#include <X11/Xlib.h> // forbidden
