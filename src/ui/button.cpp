#include "ui/button.h"

#include "ui/form.h"
#include "ui/sjis.h"
#include "ui/window_text.h"

namespace ui {

Button::Button(Component* owner, Form* parent, const ButtonArgs& args)
    : Control(owner, parent), modalResult_(args.modalResult) {
    container_ = args.container ? args.container->Handle() : nullptr;
    DWORD style = WS_TABSTOP | BS_PUSHBUTTON | (args.visible ? WS_VISIBLE : 0);
    Create(L"BUTTON", style, 0, args.bounds, Wide(args.caption), args.font);
}

std::string Button::Caption() const {
    return Narrow(WindowText(handle_));
}
void Button::SetCaption(const std::string& caption) {
    SetWindowTextW(handle_, Wide(caption).c_str());
}

void Button::Click() {
    if (OnClick) OnClick(this);
    if (modalResult_ != 0 && parent_) parent_->ModalResult = modalResult_;
}

bool Button::HandleCommand(WORD code) {
    if (code != BN_CLICKED) return false;
    Click();
    return true;
}

} // namespace ui
