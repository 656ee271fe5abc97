#include "ui/MonitorUnion.h"

#include <algorithm>

BOOL CALLBACK MonitorUnionProc(HMONITOR, HDC, LPRECT monitorRect, LPARAM data)
{
    RECT& area = *reinterpret_cast<RECT*>(data);
    area.top = std::min(area.top, monitorRect->top);
    area.left = std::min(area.left, monitorRect->left);
    area.bottom = std::max(area.bottom, monitorRect->bottom);
    area.right = std::max(area.right, monitorRect->right);
    return TRUE;
}
