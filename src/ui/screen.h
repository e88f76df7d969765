// The primary display, as the forms ask for it.
#pragma once

#include <windows.h>

namespace ui {

struct Screen {
    static int Width() { return GetSystemMetrics(SM_CXSCREEN); }
    static int Height() { return GetSystemMetrics(SM_CYSCREEN); }
    // The part of the screen not taken by taskbars, in screen coordinates.
    static RECT WorkArea() {
        RECT area{0, 0, Width(), Height()};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        return area;
    }
};

} // namespace ui
