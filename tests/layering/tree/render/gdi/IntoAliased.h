// The GDI surface uses Windows' headers and the damage tracking, not another surface nor
// another platform.
#include "render/gdi/GdiHandles.h"
#include "render/damage/FrameChanges.h"
#include <windows.h>
#include "render/aliased/PixelImage.h" // forbidden
#include <X11/Xlib.h> // forbidden
