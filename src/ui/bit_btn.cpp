#include "ui/bit_btn.h"

#include "ui/exception.h"

#include <vector>

namespace ui {

namespace {

// Buttons of the platform's class under a name of our own, so that the cursor is the class's.
const wchar_t* ButtonClass(bool hand) {
    static const wchar_t* names[2] = {nullptr, nullptr};
    const wchar_t*& name = names[hand ? 1 : 0];
    if (name) return name;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(nullptr, L"BUTTON", &wc)) throw Exception("Cannot find the button class");
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, hand ? IDC_HAND : IDC_ARROW);
    wc.lpszClassName = hand ? L"TBitBtnHand" : L"TBitBtn";
    wc.style &= ~CS_GLOBALCLASS;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw Exception("Cannot register the bitmap button class");
    }
    name = wc.lpszClassName;
    return name;
}

// The resource as a 32-bit picture with its transparent colour replaced by the button's face.
HBITMAP LoadGlyph(const wchar_t* resource) {
    auto* source = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!source) return nullptr;
    UniqueHandle<HBITMAP, DeleteGdiObject> owned(source);
    BITMAP bm{};
    GetObjectW(source, sizeof bm, &bm);
    const int w = bm.bmWidth, h = bm.bmHeight;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top-down: row h - 1 is the bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(w) * h);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, source, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
    const DWORD transparent = pixels[static_cast<std::size_t>(h - 1) * w] & 0xFFFFFF;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const DWORD faceBgr = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    for (DWORD& p : pixels) {
        if ((p & 0xFFFFFF) == transparent) p = faceBgr;
    }
    void* bits = nullptr;
    HBITMAP glyph = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (glyph) std::copy(pixels.begin(), pixels.end(), static_cast<DWORD*>(bits));
    return glyph;
}

} // namespace

BitBtn::BitBtn(Component* owner, Form* parent, const BitBtnArgs& args) : Control(owner, parent) {
    DWORD style = WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP | BS_CENTER | BS_VCENTER;
    if (args.visible) style |= WS_VISIBLE;
    Create(ButtonClass(args.handCursor), style, 0, args.bounds, L"", FontSpec{});
    if (args.glyph) {
        glyph_.reset(LoadGlyph(args.glyph));
        SendMessageW(handle_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph_.get()));
    }
}

void BitBtn::Click() {
    if (OnClick) OnClick(this);
}

bool BitBtn::HandleCommand(WORD code) {
    if (code != BN_CLICKED) return false;
    Click();
    return true;
}

} // namespace ui
