// A drop-down list with an edit field: a choice from its items or any text typed.
#pragma once

#include "ui/control.h"

#include <optional>
#include <string>
#include <vector>

namespace ui {

struct ComboBoxArgs {
    RECT bounds{0, 0, 145, 20}; // the height is the closed box's
    Control* container = nullptr;
    std::vector<std::string> items;
    int dropDownCount = 8;
    FontSpec font;
};

class ComboBox : public Control {
public:
    ComboBox(Component* owner, Form* parent, const ComboBoxArgs& args);

    int ItemCount() const;
    std::string Item(int index) const;
    void AddItem(const std::string& text);

    // The text of the edit field, with '?' for characters that have no Shift-JIS form.
    std::string Text() const;
    // The text of the edit field, or nothing when a character typed has no Shift-JIS form.
    std::optional<std::string> TryText() const;
    void SetText(const std::string& text);
};

} // namespace ui
