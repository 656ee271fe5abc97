#include "ui/LoadResString.h"

namespace {
constexpr int RoomStep = 50;
}

std::unique_ptr<wchar_t[]> LoadResString(UINT id, HINSTANCE instance)
{
    // LoadStringW silently truncates, so grow the buffer until the text fits with room to spare.
    for (int room = RoomStep;; room += RoomStep) {
        auto text = std::make_unique<wchar_t[]>(static_cast<size_t>(room) + 1);
        const int length = LoadStringW(instance, id, text.get(), room);
        // A missing or empty string would never fit; growing forever is no answer.
        if (length == 0) return nullptr;
        if (length + 1 < room) return text;
    }
}
