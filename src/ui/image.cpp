#include "ui/image.h"

#include "ui/exception.h"

namespace ui {

namespace {

constexpr wchar_t kClassName[] = L"TImage";

HBITMAP CreatePicture(HDC dc, int width, int height) {
    const BITMAPINFO info = Bitmap32Info(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) throw Exception("Cannot create a picture");
    return bitmap;
}

} // namespace

// ---- Canvas

Canvas::Canvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_) throw Exception("Cannot create a canvas");
    bitmap_.reset(CreatePicture(dc_, width, height));
    oldBitmap_ = SelectObject(dc_, bitmap_.get());
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

Canvas::~Canvas() {
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    UniqueHandle<HBRUSH, DeleteGdiObject> brush(CreateSolidBrush(brush_));
    HGDIOBJ oldBrush = SelectObject(dc_, brush.get());
    HGDIOBJ oldPen = SelectObject(dc_, GetStockObject(BLACK_PEN));
    ::Rectangle(dc_, x1, y1, x2, y2);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);
    if (view_) InvalidateRect(view_, nullptr, FALSE);
}

void Canvas::Draw(int x, int y, const Icon& icon) {
    if (icon.Empty()) return;
    DrawIconEx(dc_, x, y, icon.Handle(), 0, 0, 0, nullptr, DI_NORMAL);
    if (view_) InvalidateRect(view_, nullptr, FALSE);
}

void Canvas::DrawBitmap(HBITMAP bitmap) {
    HDC source = CreateCompatibleDC(dc_);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(dc_, 0, 0, width_, height_, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    if (view_) InvalidateRect(view_, nullptr, FALSE);
}

COLORREF Canvas::Pixel(int x, int y) const {
    GdiFlush();
    return GetPixel(dc_, x, y);
}

// ---- Image

Image::Image(Component* owner, Form* parent, const ImageArgs& args)
    : Control(owner, parent), stretch_(args.stretch) {
    RegisterWindowClass(kClassName, &Image::WindowProc);
    container_ = args.container ? args.container->Handle() : nullptr;
    const int width = args.pictureWidth > 0 ? args.pictureWidth : args.bounds.right - args.bounds.left;
    const int height = args.pictureHeight > 0 ? args.pictureHeight : args.bounds.bottom - args.bounds.top;
    canvas_ = std::make_unique<Canvas>(width, height);
    Create(kClassName, WS_VISIBLE, 0, args.bounds, L"", args.font);
    canvas_->view_ = handle_;
}

bool Image::LoadBitmapResource(const wchar_t* name) {
    UniqueHandle<HBITMAP, DeleteGdiObject> bitmap(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap) return false;
    BITMAP info{};
    GetObjectW(bitmap.get(), sizeof info, &info);
    auto picture = std::make_unique<Canvas>(info.bmWidth, info.bmHeight);
    picture->DrawBitmap(bitmap.get());
    picture->view_ = handle_;
    canvas_ = std::move(picture);
    InvalidateRect(handle_, nullptr, FALSE);
    return true;
}

void Image::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(handle_, &client);
    if (stretch_) {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, client.right, client.bottom, canvas_->dc_, 0, 0, canvas_->width_,
                   canvas_->height_, SRCCOPY);
        return;
    }
    // Beyond the picture the face of what holds the image shows.
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    BitBlt(dc, 0, 0, canvas_->width_, canvas_->height_, canvas_->dc_, 0, 0, SRCCOPY);
}

LRESULT CALLBACK Image::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* image = dynamic_cast<Image*>(Control::FromHandle(hwnd));
    if (image && msg == WM_ERASEBKGND) return 1;
    if (image && msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        image->Paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace ui
