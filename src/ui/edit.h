// A one-line edit box.
#pragma once

#include "ui/control.h"

#include <optional>
#include <string>

namespace ui {

struct EditArgs {
    RECT bounds{0, 0, 121, 20};
    Control* container = nullptr;
    bool readOnly = false;
    FontSpec font;
};

class Edit : public Control {
public:
    Edit(Component* owner, Form* parent, const EditArgs& args);

    // The text, with '?' for characters that have no Shift-JIS form.
    std::string Text() const;
    // The text, or nothing when a character typed has no Shift-JIS form.
    std::optional<std::string> TryText() const;
    void SetText(const std::string& text);
    bool ReadOnly() const;
};

} // namespace ui
