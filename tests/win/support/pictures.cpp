#include "support/pictures.h"

namespace testing_support {

std::vector<COLORREF> ImagePixels(const ui::ImageList& list, int index) {
    if (index < 0 || index >= list.Count()) return {};
    const int w = list.Width(), h = list.Height();
    ui::Canvas canvas(w, h);
    RECT all{0, 0, w, h};
    HBRUSH background = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(canvas.Handle(), &all, background);
    DeleteObject(background);
    ImageList_Draw(list.Handle(), index, canvas.Handle(), 0, 0, ILD_NORMAL);
    return CanvasPixels(canvas);
}

std::vector<COLORREF> IconPixels(const ui::Icon& icon, int size) {
    ui::ImageList list(nullptr, size, size);
    if (list.AddIcon(icon) < 0) return {};
    return ImagePixels(list, 0);
}

std::vector<COLORREF> CanvasPixels(const ui::Canvas& canvas) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x)
            pixels.push_back(canvas.Pixel(x, y));
    }
    return pixels;
}

ui::Icon ListCopy(const ui::Icon& icon, int size) {
    ui::ImageList list(nullptr, size, size);
    ui::Icon copy;
    if (list.AddIcon(icon) >= 0) list.GetIcon(0, copy);
    return copy;
}

} // namespace testing_support
