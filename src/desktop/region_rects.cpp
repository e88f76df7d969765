#include "desktop/region_rects.h"

#include <algorithm>
#include <climits>

namespace desktop {

namespace {

// Positions come from the information file: sums are taken wide and kept inside int.
int Clamped(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

Rect Offset(int left, int top, long long dl, long long dt, long long dr, long long db) {
    return {Clamped(left + dl), Clamped(top + dt), Clamped(left + dr), Clamped(top + db)};
}

} // namespace

Rect OverlayBounds(int screenWidth, int screenHeight) {
    return {-kOverlayMargin, -kOverlayMargin, Clamped(static_cast<long long>(screenWidth) + kOverlayMargin),
            Clamped(static_cast<long long>(screenHeight) + kOverlayMargin)};
}

Rect IconRect(int x, int y) {
    return Offset(x, y, 2, 2, 34, 34);
}

Rect LabelRect(const Rect& reported) {
    return {reported.left, reported.top, Clamped(static_cast<long long>(reported.right) + 2),
            Clamped(static_cast<long long>(reported.bottom) + 2)};
}

Rect CloseButtonRect(const Rect& workArea) {
    return Offset(workArea.left, workArea.top, 64, 64, 195, 98);
}

std::vector<Rect> RegionRects(const std::vector<ItemPlace>& items,
                              const std::optional<Rect>& workAreaForClose) {
    std::vector<Rect> rects;
    for (const ItemPlace& item : items) {
        rects.push_back(IconRect(item.x, item.y));
        if (item.label) rects.push_back(LabelRect(*item.label));
    }
    if (workAreaForClose) rects.push_back(CloseButtonRect(*workAreaForClose));
    return rects;
}

} // namespace desktop
