#include "ui/panel.h"

#include "ui/application.h"
#include "ui/exception.h"

namespace ui {

namespace {

constexpr wchar_t kClassName[] = L"TPanel";

void RegisterPanelClass(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw Exception("Cannot register the panel class");
    }
    registered = true;
}

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
    RegisterPanelClass(&Panel::WindowProc);
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
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        if (Control* c = Control::FromHandle(header->hwndFrom);
            c && c != this && c->HandleNotify(*header, result)) {
            return result;
        }
        break;
    }
    case WM_COMMAND:
        if (Control* c = Control::FromHandle(reinterpret_cast<HWND>(lParam)); c && c != this) {
            if (c->HandleCommand(HIWORD(wParam))) return 0;
        }
        break;
    }
    return DefWindowProcW(handle_, msg, wParam, lParam);
}

LRESULT CALLBACK Panel::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* panel = dynamic_cast<Panel*>(Control::FromHandle(hwnd));
    if (!panel) return DefWindowProcW(hwnd, msg, wParam, lParam);
    try {
        return panel->Dispatch(msg, wParam, lParam);
    } catch (const std::exception& e) {
        if (::Application) ::Application->ShowException(e);
    } catch (...) {
        if (::Application) ::Application->ShowException(Exception("Unknown error"));
    }
    return 0;
}

} // namespace ui
