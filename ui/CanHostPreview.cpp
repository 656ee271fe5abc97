#include "ui/CanHostPreview.h"

bool CanHostPreview(HWND host)
{
    // Only a window below the desktop has the desktop as its top ancestor's parent: not the
    // desktop itself, nor anything under the message root, nor a handle that names no window.
    return GetAncestor(GetAncestor(host, GA_ROOT), GA_PARENT) == GetDesktopWindow();
}
