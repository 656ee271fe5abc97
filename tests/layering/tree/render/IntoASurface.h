// The portable renderer uses the scene, not the surfaces beside it nor their libraries.
#include "render/DrawSurface.h"
#include "scene/Scene.h"
#include "render/aliased/PixelImage.h" // forbidden
#include <cairo.h> // forbidden
