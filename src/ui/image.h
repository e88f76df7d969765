// A picture on a form: a bitmap with a canvas to draw on, shown at its size or stretched over the
// control. A bitmap resource can be shown in it, such as a form's background.
#pragma once

#include "ui/control.h"
#include "ui/handles.h"
#include "ui/icon.h"

#include <memory>

namespace ui {

constexpr COLORREF clWhite = RGB(255, 255, 255);

// Drawing on a picture: a brush that fills, a black pen that outlines, icons at their own size.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    HDC Handle() const { return dc_; } // owned by the canvas

    COLORREF BrushColor() const { return brush_; }
    void SetBrushColor(COLORREF color) { brush_ = color; }
    // The rectangle from (x1, y1) to (x2, y2), the right and bottom edges excluded.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Draw(int x, int y, const Icon& icon);
    // Copies the bitmap onto the canvas at (0, 0).
    void DrawBitmap(HBITMAP bitmap);

    COLORREF Pixel(int x, int y) const;

private:
    friend class Image;
    int width_, height_;
    HDC dc_;
    UniqueHandle<HBITMAP, DeleteGdiObject> bitmap_;
    HGDIOBJ oldBitmap_;
    COLORREF brush_ = clWhite;
    HWND view_ = nullptr; // not owned: the window to repaint after drawing
};

struct ImageArgs {
    RECT bounds{0, 0, 105, 105};
    Control* container = nullptr;
    bool stretch = false;
    // Size of the picture drawn on; zero takes the control's size.
    int pictureWidth = 0;
    int pictureHeight = 0;
    FontSpec font;
};

class Image : public Control {
public:
    Image(Component* owner, Form* parent, const ImageArgs& args);

    Canvas& GetCanvas() { return *canvas_; }
    const Canvas& GetCanvas() const { return *canvas_; }
    // Shows a BITMAP resource of the module; the picture takes the bitmap's size. False when the
    // module has no such bitmap.
    bool LoadBitmapResource(const wchar_t* name);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) const;

    bool stretch_;
    std::unique_ptr<Canvas> canvas_;
};

} // namespace ui
