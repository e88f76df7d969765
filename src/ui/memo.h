#pragma once

#include "ui/component.h"
#include "ui/string_list.h"

namespace ui {

// A multi-line text buffer without a window: a hidden text box whose lines never wrap and whose
// length has no control's limit.
class Memo : public Component {
public:
    explicit Memo(Component* owner) : Component(owner) {}
    StringList Lines;
};

} // namespace ui
