#include "ui/combo_box.h"

#include "ui/exception.h"
#include "ui/sjis.h"
#include "ui/window_text.h"

namespace ui {

ComboBox::ComboBox(Component* owner, Form* parent, const ComboBoxArgs& args) : Control(owner, parent) {
    container_ = args.container ? args.container->Handle() : nullptr;
    // The window's height includes the dropped-down list; the closed box gets the height asked for.
    const int closed = args.bounds.bottom - args.bounds.top;
    RECT bounds = args.bounds;
    bounds.bottom += args.dropDownCount * closed;
    Create(L"COMBOBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, bounds, L"",
           args.font);
    SendMessageW(handle_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), closed - 6);
    for (const std::string& item : args.items)
        AddItem(item);
}

int ComboBox::ItemCount() const {
    return static_cast<int>(SendMessageW(handle_, CB_GETCOUNT, 0, 0));
}

std::string ComboBox::Item(int index) const {
    if (index < 0 || index >= ItemCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    const auto n = SendMessageW(handle_, CB_GETLBTEXTLEN, index, 0);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    SendMessageW(handle_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(n));
    return Narrow(text);
}

void ComboBox::AddItem(const std::string& text) {
    SendMessageW(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

std::string ComboBox::Text() const {
    return Narrow(WindowText(handle_));
}
std::optional<std::string> ComboBox::TryText() const {
    return TryNarrow(WindowText(handle_));
}
void ComboBox::SetText(const std::string& text) {
    SetWindowTextW(handle_, Wide(text).c_str());
}

} // namespace ui
