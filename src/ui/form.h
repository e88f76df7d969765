// A form: a top-level window owned by the application window, holding controls. The program's
// forms derive from it, keep their components as fields and handle their own messages by
// overriding HandleMessage (their message map).
#pragma once

#include "ui/control.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

enum class CloseAction { None, Hide, Free, Minimize };

// A window message as the form's message map hands it to a handler; the handler sets Result.
struct Message {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

struct FormArgs {
    const wchar_t* className = L"TForm";
    std::string caption;
    int width = 400;
    int height = 300;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    bool centered = true;
    FontSpec font;
    const wchar_t* iconResource = nullptr;
};

class Form : public Control {
public:
    Form(Component* owner, const FormArgs& args);
    ~Form() override;

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // Shows the form; OnShow runs once it is visible.
    void Show();
    void Hide() { SetVisible(false); }
    // Asks the form to close: OnClose decides the action; closing the main form ends the program.
    void Close();
    // Shows the form modally (through the application's user) and returns its ModalResult.
    int ShowModal();
    int ModalResult = 0;

    std::function<void(Component* sender)> OnShow;
    std::function<void(Component* sender, CloseAction& action)> OnClose;

    // Lays out the aligned controls over the client area.
    void Realign();

    void AddChild(Control* child) { children_.push_back(child); }
    void RemoveChild(Control* child);

protected:
    // The form's own message map: return true when the message was handled, with its result.
    virtual bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

    std::vector<Control*> children_; // not owned: they belong to their owner
};

} // namespace ui
