// The GDI surface uses Windows' headers, not another surface nor another platform.
#include "render/gdi/GdiHandles.h"
#include <windows.h>
#include "render/aliased/PixelImage.h" // forbidden
#include <X11/Xlib.h> // forbidden
