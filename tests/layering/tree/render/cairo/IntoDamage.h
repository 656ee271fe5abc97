// The Cairo surface uses Cairo, not another surface nor another platform.
#include "render/cairo/CairoSurface.h"
#include <cairo.h>
#include "render/damage/PartialRedraw.h" // forbidden
#include <windows.h> // forbidden
