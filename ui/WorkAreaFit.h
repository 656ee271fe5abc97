#pragma once

#include <windows.h>

// The plain window's first size and place: widthAt96 x heightAt96 grown by the scale of the
// monitor it opened on, but no larger than that monitor's work area and moved into it, so that
// on a small or highly scaled desktop no border or caption starts off the screen or under the
// taskbar.
void FitIntoWorkArea(HWND window, int widthAt96, int heightAt96);
