#pragma once

#include <windows.h>

#include <memory>

// A zero-terminated copy of string resource `id` of `instance`, or null when the resource is
// missing or empty.
std::unique_ptr<wchar_t[]> LoadResString(UINT id, HINSTANCE instance);
