// A push button with a caption.
#pragma once

#include "ui/control.h"

#include <functional>
#include <string>

namespace ui {

struct ButtonArgs {
    RECT bounds{0, 0, 75, 25};
    Control* container = nullptr;
    std::string caption;
    int modalResult = 0; // non-zero: pressing the button closes its modal form with this result
    bool visible = true;
    FontSpec font;
};

class Button : public Control {
public:
    Button(Component* owner, Form* parent, const ButtonArgs& args);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    std::function<void(Component* sender)> OnClick;
    // Runs the click handler and applies the modal result, as pressing the button does.
    void Click();

    bool HandleCommand(WORD code) override;

private:
    int modalResult_;
};

} // namespace ui
