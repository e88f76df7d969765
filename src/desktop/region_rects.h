// Where the overlay stands and which rectangles its window region is made of. The overlay
// reaches 64 pixels beyond every edge of the screen, so window point (x, y) is screen point
// (x - 64, y - 64).
#pragma once

#include <optional>
#include <vector>

namespace desktop {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Rect&) const = default;
};

constexpr int kOverlayMargin = 64;

// The overlay window's rectangle in screen coordinates.
Rect OverlayBounds(int screenWidth, int screenHeight);

// The 32 x 32 icon of an item at (x, y), in window coordinates: the list's client area begins
// 2 pixels inside the window.
Rect IconRect(int x, int y);

// A label rectangle as the list reports it, widened by the 2 pixels the list's border adds.
Rect LabelRect(const Rect& reported);

// The opening for the close button at the top-left corner of the work area (screen
// coordinates), in window coordinates; the button's top-left corner is that of the rectangle.
Rect CloseButtonRect(const Rect& workArea);

struct ItemPlace {
    int x = 0, y = 0;
    std::optional<Rect> label; // as the list reports it; none when it could not be read
};

// The rectangles whose union is the launcher's region, in the order they are combined: each
// item's icon and then its label, and the close button's opening last when there is one.
std::vector<Rect> RegionRects(const std::vector<ItemPlace>& items,
                              const std::optional<Rect>& workAreaForClose);

} // namespace desktop
