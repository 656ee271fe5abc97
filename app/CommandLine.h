#pragma once

#include <cstdint>
#include <string_view>

#include "ui/RunMode.h"

// What the argument text asks for. The host is the number given after "/p" or "/c:", taken as a
// window handle by the caller; 0 when there is none.
struct StartupRequest {
    RunModeKind mode = RunModeKind::Windowed;
    std::int32_t host = 0;
};

// Reads the argument text that follows the program name. UTF-16 on every platform, because
// wchar_t is 32 bits wide outside Windows. Only the first two or three characters choose the
// mode; everything else is ignored apart from the host number.
StartupRequest ParseCommandLine(std::u16string_view arguments);

// A signed decimal number read the way wcstol reads base 10: leading blanks skipped, one
// optional sign, digits up to the first non-digit, 0 without digits, clamped to 32 bits.
std::int32_t ReadDecimal(std::u16string_view text);
