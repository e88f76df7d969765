// A push button showing a picture (its glyph) instead of a caption. The glyph is a bitmap
// resource whose bottom-left pixel gives the colour that lets the button's face show through.
#pragma once

#include "ui/control.h"
#include "ui/handles.h"

#include <functional>

namespace ui {

struct BitBtnArgs {
    RECT bounds{0, 0, 75, 25};
    const wchar_t* glyph = nullptr; // BITMAP resource of the module
    bool handCursor = false;
    bool visible = true;
};

class BitBtn : public Control {
public:
    BitBtn(Component* owner, Form* parent, const BitBtnArgs& args);

    std::function<void(Component* sender)> OnClick;
    // Runs the click handler, as pressing the button does.
    void Click();

    // The picture shown, as drawn on the button's face; owned by the button.
    HBITMAP Glyph() const { return glyph_.get(); }

    bool HandleCommand(WORD code) override;

private:
    UniqueHandle<HBITMAP, DeleteGdiObject> glyph_;
};

} // namespace ui
