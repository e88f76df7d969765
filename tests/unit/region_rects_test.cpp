#include "desktop/region_rects.h"

#include <gtest/gtest.h>

#include <climits>

namespace desktop {
// Found by the test framework's printer beside the type.
void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
} // namespace desktop

namespace {

using desktop::Rect;

TEST(OverlayPlace, ReachesSixtyFourPixelsBeyondTheScreen) {
    EXPECT_EQ(desktop::OverlayBounds(1024, 768), (Rect{-64, -64, 1088, 832}));
    EXPECT_EQ(desktop::OverlayBounds(1920, 1080), (Rect{-64, -64, 1984, 1144}));
}

TEST(RegionRects, IconAndLabelOfEveryItemThenTheCloseButton) {
    const struct {
        const char* what;
        std::vector<desktop::ItemPlace> items;
        std::optional<Rect> workArea;
        std::vector<Rect> rects;
    } cases[] = {
        {"no item, no button", {}, std::nullopt, {}},
        // 2 pixels inside the screen's top-left corner: window (66, 66).
        {"one item at the screen's corner",
         {{64, 64, Rect{40, 100, 120, 114}}},
         std::nullopt,
         {{66, 66, 98, 98}, {40, 100, 122, 116}}},
        {"an item off the screen",
         {{0, 0, Rect{-20, 36, 60, 50}}},
         std::nullopt,
         {{2, 2, 34, 34}, {-20, 36, 62, 52}}},
        {"a label that could not be read is left out",
         {{100, 200, std::nullopt}, {300, 10, Rect{280, 46, 360, 60}}},
         std::nullopt,
         {{102, 202, 134, 234}, {302, 12, 334, 44}, {280, 46, 362, 62}}},
        {"the close button at the work area's corner",
         {{64, 64, std::nullopt}},
         Rect{0, 0, 1024, 738},
         {{66, 66, 98, 98}, {64, 64, 195, 98}}},
        {"a taskbar on the left and at the top moves the button",
         {},
         Rect{60, 30, 1024, 768},
         {{124, 94, 255, 128}}},
        {"positions at the ends of the integers do not overflow",
         {{INT_MAX, INT_MIN, Rect{INT_MAX - 1, 0, INT_MAX, INT_MAX}}},
         std::nullopt,
         {{INT_MAX, INT_MIN + 2, INT_MAX, INT_MIN + 34}, {INT_MAX - 1, 0, INT_MAX, INT_MAX}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(desktop::RegionRects(c.items, c.workArea), c.rects) << c.what;
    }
}

} // namespace
