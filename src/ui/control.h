// Controls: thin wrappers over real child windows. The state lives in the window, so what the
// person sees and what the code reads are one thing.
//
// How the layer works, for every control and form:
// - A control is created with its owner (which destroys it) and its parent form (whose window
//   holds it, unless its Args name a panel of that form as `container`), from an Args struct with
//   defaults; Control::Create makes the window, sets the font and links the window to its object.
// - Events are std::function members (OnClick, OnClose, ...), called with the sender.
// - No exception leaves a window procedure: the dispatcher shows it with
//   Application->ShowException, as the class library the forms were written against would.
#pragma once

#include "ui/component.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace ui {

class Form;

enum class Align { None, Top, Bottom, Client };

struct FontSpec {
    const char* face = "ＭＳ Ｐゴシック";
    int height = -12;
    bool bold = false;
};

// A font shared by every control that asks for the same face and height; lives with the process.
HFONT SharedFont(const FontSpec& spec);

// Registers a window class of ours once; later calls with the same name do nothing.
void RegisterWindowClass(const wchar_t* name, WNDPROC proc, int backgroundColor = -1, HICON icon = nullptr);

// Shows an exception that reached a window procedure, as the class library's dispatcher does.
void ReportException(const std::exception& e);

// Runs a window procedure's work so that no exception leaves it.
template <class Work> LRESULT Guarded(Work&& work) noexcept {
    try {
        return work();
    } catch (const std::exception& e) {
        ReportException(e);
    } catch (...) {
        ReportException(std::runtime_error("Unknown error"));
    }
    return 0;
}

// A 32-bit top-down device-independent bitmap header.
BITMAPINFO Bitmap32Info(int width, int height);

class Control : public Component {
public:
    Control(Component* owner, Form* parent);
    ~Control() override;

    HWND Handle() const { return handle_; } // owned by the control
    Form* Parent() const { return parent_; }

    bool Visible() const;
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    RECT Bounds() const; // in the parent's client coordinates
    void SetBounds(int left, int top, int width, int height);
    int Left() const { return Bounds().left; }
    int Top() const { return Bounds().top; }
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    Align align = Align::None;

    // Notifications the parent form receives for this control's window.
    virtual bool HandleNotify(NMHDR& header, LRESULT& result);
    virtual bool HandleCommand(WORD code);

    static Control* FromHandle(HWND hwnd);
    // Hands WM_NOTIFY and WM_COMMAND of a child window to that child's control; true when it took it.
    static bool RouteToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    void Create(const wchar_t* className, DWORD style, DWORD exStyle, const RECT& bounds,
                const std::wstring& text, const FontSpec& font);
    void Attach(HWND hwnd);

    HWND handle_ = nullptr;
    Form* parent_; // not owned
    // The window that holds the control when it is not the form's own (a panel); not owned.
    HWND container_ = nullptr;

private:
    void Detach();
};

} // namespace ui
