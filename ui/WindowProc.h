#pragma once

#include <windows.h>

// Finds the object that owns hwnd and passes it the message. Binds the object at WM_NCCREATE
// (the creation parameter) or WM_INITDIALOG (lParam) and unbinds it after WM_NCDESTROY.
// Returns the object's result, or 0 when no object owns the handle. Serves as the dialog
// procedure of every dialog of the program.
INT_PTR CALLBACK RouteMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The window procedure of every window class of the program: messages the owning object does
// not handle get the default handling; handled ones answer 0.
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
