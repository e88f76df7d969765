#include "ui/control.h"

#include "ui/application.h"
#include "ui/exception.h"
#include "ui/form.h"
#include "ui/sjis.h"

#include <map>
#include <tuple>

namespace ui {

HFONT SharedFont(const FontSpec& spec) {
    static std::map<std::tuple<std::string, int, bool>, HFONT> fonts;
    auto key = std::make_tuple(std::string(spec.face), spec.height, spec.bold);
    auto found = fonts.find(key);
    if (found != fonts.end()) return found->second;
    HFONT font = CreateFontW(spec.height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, Wide(spec.face).c_str());
    fonts.emplace(key, font);
    return font;
}

void RegisterWindowClass(const wchar_t* name, WNDPROC proc, int backgroundColor, HICON icon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) return;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = icon;
    if (backgroundColor >= 0) wc.hbrBackground = GetSysColorBrush(backgroundColor);
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc)) throw Exception("Cannot register the window class " + Narrow(name));
}

void ReportException(const std::exception& e) {
    if (::Application) ::Application->ShowException(e);
}

BITMAPINFO Bitmap32Info(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Control::Control(Component* owner, Form* parent) : Component(owner), parent_(parent) {
    if (parent_) parent_->AddChild(this);
}

Control::~Control() {
    if (parent_) parent_->RemoveChild(this);
    if (handle_) {
        Detach();
        DestroyWindow(handle_);
    }
}

void Control::Create(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& bounds,
                     const std::wstring& text, const FontSpec& font) {
    HWND parentWindow = container_ ? container_ : parent_ ? parent_->Handle() : nullptr;
    HWND hwnd = CreateWindowExW(exStyle, className, text.c_str(), style | WS_CHILD | WS_CLIPSIBLINGS, bounds.left,
                                bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parentWindow,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) throw Exception("Cannot create a window of class " + Narrow(className));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(SharedFont(font)), FALSE);
    Attach(hwnd);
}

void Control::Attach(HWND hwnd) {
    handle_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Control::Detach() {
    if (handle_ && IsWindow(handle_)) SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
}

Control* Control::FromHandle(HWND hwnd) {
    return hwnd ? reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

bool Control::Visible() const { return handle_ && (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_VISIBLE); }

void Control::SetVisible(bool visible) {
    if (handle_) ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

RECT Control::Bounds() const {
    RECT r{};
    if (!handle_) return r;
    GetWindowRect(handle_, &r);
    HWND parent = GetParent(handle_);
    if (parent && (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD)) {
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

int Control::Width() const {
    RECT r = Bounds();
    return r.right - r.left;
}

int Control::Height() const {
    RECT r = Bounds();
    return r.bottom - r.top;
}

void Control::SetBounds(int left, int top, int width, int height) {
    if (handle_) MoveWindow(handle_, left, top, width, height, TRUE);
}

void Control::SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
void Control::SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
void Control::SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
void Control::SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

bool Control::RouteToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        Control* child = FromHandle(header->hwndFrom);
        return child && child->HandleNotify(*header, result);
    }
    if (msg == WM_COMMAND && lParam) {
        Control* child = FromHandle(reinterpret_cast<HWND>(lParam));
        if (child && child->HandleCommand(HIWORD(wParam))) {
            result = 0;
            return true;
        }
    }
    return false;
}

bool Control::HandleNotify(NMHDR&, LRESULT&) { return false; }
bool Control::HandleCommand(WORD) { return false; }

} // namespace ui
