// The overlay form's description: its list of icons, its three picture buttons and the list's
// popup menu.
#pragma once

#include <windows.h>

namespace forms::desktopwembo {

inline constexpr wchar_t kClassName[] = L"TDeskTopWembo";

// The list: the system's tooltip background with red names.
inline constexpr COLORREF kTextColor = RGB(255, 0, 0);

struct Button {
    const char* name;
    int width, height;
    const wchar_t* glyph;
    bool handCursor;
};

// All three start hidden.
inline constexpr Button kConfirmButton = {"BitBtn1", 43, 43, L"GLYPH_SETTEI", false};
inline constexpr Button kCloseButton = {"BitBtn2", 131, 34, L"GLYPH_LAUNCHER_END", true};
inline constexpr Button kCancelButton = {"BitBtn3", 99, 30, L"GLYPH_CANCEL", false};

struct MenuEntry {
    const char* name;
    const char* caption;
    int tag;
    int image;
    bool enabled = true;
};

// The list's popup menu, in menu order; pictures from the main form's menu image list.
inline constexpr MenuEntry kListMenu[] = {
    {"N1", "左揃え", 0, 7},    {"N2", "上揃え", 1, 8}, {"N3", "左右均等", 2, 9},
    {"N4", "上下均等", 3, 10}, {"N5", "-", 0, -1},     {"Repeat1", "やり直し", 0, 11, false},
};

} // namespace forms::desktopwembo
