#include "ui/panel.h"


namespace ui {

namespace {

constexpr wchar_t kClassName[] = L"TPanel";

void FillEdge(HDC dc, int left, int top, int width, int height, int colorIndex) {
    RECT r{left, top, left + width, top + height};
    FillRect(dc, &r, GetSysColorBrush(colorIndex));
}

// One bevel of `width` lines, drawn inside `r`, which then shrinks by it.
void Frame3D(HDC dc, RECT& r, Bevel bevel, int width) {
    if (bevel == Bevel::None) return;
    const int topLeft = bevel == Bevel::Raised ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW;
    const int bottomRight = bevel == Bevel::Raised ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
    for (int i = 0; i < width && r.right - r.left > 1 && r.bottom - r.top > 1; ++i) {
        const int w = r.right - r.left, h = r.bottom - r.top;
        FillEdge(dc, r.left, r.top, w - 1, 1, topLeft);
        FillEdge(dc, r.left, r.top, 1, h - 1, topLeft);
        FillEdge(dc, r.left, r.bottom - 1, w, 1, bottomRight);
        FillEdge(dc, r.right - 1, r.top, 1, h, bottomRight);
        InflateRect(&r, -1, -1);
    }
}

} // namespace

Panel::Panel(Component* owner, Form* parent, const PanelArgs& args)
    : Control(owner, parent), outer_(args.bevelOuter), inner_(args.bevelInner), bevelWidth_(args.bevelWidth) {
    RegisterWindowClass(kClassName, &Panel::WindowProc, COLOR_BTNFACE);
    container_ = args.container ? args.container->Handle() : nullptr;
    DWORD style = WS_CLIPCHILDREN | (args.visible ? WS_VISIBLE : 0);
    Create(kClassName, style, args.singleBorder ? WS_EX_CLIENTEDGE : 0, args.bounds, L"", args.font);
}

void Panel::Paint(HDC dc) const {
    RECT r{};
    GetClientRect(handle_, &r);
    Frame3D(dc, r, outer_, bevelWidth_);
    Frame3D(dc, r, inner_, bevelWidth_);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Panel::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(handle_, &ps);
        Paint(dc);
        EndPaint(handle_, &ps);
        return 0;
    }
    case WM_NOTIFY:
    case WM_COMMAND: {
        LRESULT result = 0;
        if (RouteToChild(msg, wParam, lParam, result)) return result;
        break;
    }
    }
    return DefWindowProcW(handle_, msg, wParam, lParam);
}

LRESULT CALLBACK Panel::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* panel = dynamic_cast<Panel*>(Control::FromHandle(hwnd));
    if (!panel) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return Guarded([&] { return panel->Dispatch(msg, wParam, lParam); });
}

} // namespace ui
