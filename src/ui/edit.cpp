#include "ui/edit.h"

#include "ui/sjis.h"
#include "ui/window_text.h"

namespace ui {

Edit::Edit(Component* owner, Form* parent, const EditArgs& args) : Control(owner, parent) {
    container_ = args.container ? args.container->Handle() : nullptr;
    DWORD style = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | (args.readOnly ? ES_READONLY : 0);
    Create(L"EDIT", style, WS_EX_CLIENTEDGE, args.bounds, L"", args.font);
}

std::string Edit::Text() const {
    return Narrow(WindowText(handle_));
}
std::optional<std::string> Edit::TryText() const {
    return TryNarrow(WindowText(handle_));
}
void Edit::SetText(const std::string& text) {
    SetWindowTextW(handle_, Wide(text).c_str());
}
bool Edit::ReadOnly() const {
    return (GetWindowLongPtrW(handle_, GWL_STYLE) & ES_READONLY) != 0;
}

} // namespace ui
