// A static text that sizes itself to its caption.
#pragma once

#include "ui/control.h"

#include <string>

namespace ui {

struct LabelArgs {
    int left = 0;
    int top = 0;
    Control* container = nullptr;
    std::string caption;
    FontSpec font;
};

class Label : public Control {
public:
    Label(Component* owner, Form* parent, const LabelArgs& args);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

private:
    void FitToText();
    FontSpec font_;
};

} // namespace ui
