// A panel: a plain face with bevels that holds other controls (their Args name it as container).
// The notifications of the controls inside reach them through the panel as through a form.
#pragma once

#include "ui/control.h"

namespace ui {

enum class Bevel { None, Lowered, Raised };

struct PanelArgs {
    RECT bounds{0, 0, 185, 41};
    Control* container = nullptr;
    Bevel bevelOuter = Bevel::Raised;
    Bevel bevelInner = Bevel::None;
    int bevelWidth = 1;
    bool singleBorder = false; // a sunken edge around the bevels
    bool visible = true;
    FontSpec font;
};

class Panel : public Control {
public:
    Panel(Component* owner, Form* parent, const PanelArgs& args);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) const;

    Bevel outer_, inner_;
    int bevelWidth_;
};

} // namespace ui
