#include "ui/label.h"

#include "ui/sjis.h"
#include "ui/window_text.h"

namespace ui {

Label::Label(Component* owner, Form* parent, const LabelArgs& args)
    : Control(owner, parent), font_(args.font) {
    container_ = args.container ? args.container->Handle() : nullptr;
    Create(L"STATIC", WS_VISIBLE | SS_LEFT | SS_NOTIFY, 0, {args.left, args.top, args.left + 1, args.top + 1},
           Wide(args.caption), args.font);
    FitToText();
}

std::string Label::Caption() const {
    return Narrow(WindowText(handle_));
}

void Label::SetCaption(const std::string& caption) {
    SetWindowTextW(handle_, Wide(caption).c_str());
    FitToText();
}

void Label::FitToText() {
    const std::wstring text = WindowText(handle_);
    HDC dc = GetDC(handle_);
    HGDIOBJ old = SelectObject(dc, SharedFont(font_));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(handle_, dc);
    SetWindowPos(handle_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace ui
