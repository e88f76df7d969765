// Pictures as pixels, for comparing what an image list or a canvas holds with what it should.
#pragma once

#include "ui/ui.h"

#include <vector>

namespace testing_support {

// Image `index` of the list drawn at the list's size over a fixed background.
std::vector<COLORREF> ImagePixels(const ui::ImageList& list, int index);
// The icon as a list of `size` x `size` pictures holds it.
std::vector<COLORREF> IconPixels(const ui::Icon& icon, int size);
// Every pixel of the canvas.
std::vector<COLORREF> CanvasPixels(const ui::Canvas& canvas);
// A copy of the icon held in an image list of its own.
ui::Icon ListCopy(const ui::Icon& icon, int size);

} // namespace testing_support
