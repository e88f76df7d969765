#include "ui/form.h"

#include "ui/application.h"
#include "ui/exception.h"
#include "ui/sjis.h"

#include <algorithm>

namespace ui {

Form::Form(Component* owner, const FormArgs& args) : Control(owner, nullptr) {
    RegisterWindowClass(args.className, &Form::WindowProc, COLOR_BTNFACE,
                        args.iconResource ? LoadIconW(GetModuleHandleW(nullptr), args.iconResource) : nullptr);
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (args.centered) {
        x = (GetSystemMetrics(SM_CXSCREEN) - args.width) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - args.height) / 2;
    }
    HWND ownerWindow = ::Application ? ::Application->Handle() : nullptr;
    HWND hwnd = CreateWindowExW(args.exStyle, args.className, Wide(args.caption).c_str(), args.style & ~WS_VISIBLE,
                                x, y, args.width, args.height, ownerWindow, nullptr, GetModuleHandleW(nullptr),
                                this);
    if (!hwnd) throw Exception("Cannot create the form window");
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(SharedFont(args.font)), FALSE);
}

Form::~Form() {
    if (::Application) ::Application->FormDestroyed(this);
    // The controls' windows go with the form's; destroy their objects first so none outlives it.
    DestroyComponents();
    if (handle_) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
        handle_ = nullptr;
    }
}

std::string Form::Caption() const {
    int n = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    GetWindowTextW(handle_, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(n));
    return Narrow(text);
}

void Form::SetCaption(const std::string& caption) { SetWindowTextW(handle_, Wide(caption).c_str()); }

void Form::Show() {
    bool wasVisible = Visible();
    ShowWindow(handle_, SW_SHOW);
    if (!wasVisible && OnShow) OnShow(this);
}

void Form::Close() {
    const bool isMain = ::Application && ::Application->MainForm() == this;
    CloseAction action = isMain ? CloseAction::Free : CloseAction::Hide;
    if (OnClose) OnClose(this, action);
    if (action == CloseAction::None) return;
    if (ModalResult == 0) ModalResult = mrCancel;
    if (isMain) {
        ::Application->Terminate();
    } else if (action == CloseAction::Minimize) {
        ShowWindow(handle_, SW_MINIMIZE);
    } else {
        Hide();
    }
}

int Form::ShowModal() {
    ModalResult = 0;
    return ::Application->user().ShowModal(*this);
}

void Form::RemoveChild(Control* child) {
    children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

void Form::Realign() {
    RECT area{};
    GetClientRect(handle_, &area);
    for (Align pass : {Align::Top, Align::Bottom, Align::Client}) {
        for (Control* c : children_) {
            if (c->align != pass || !c->Visible()) continue;
            int h = c->Height();
            switch (pass) {
            case Align::Top:
                c->SetBounds(area.left, area.top, area.right - area.left, h);
                area.top += h;
                break;
            case Align::Bottom:
                c->SetBounds(area.left, area.bottom - h, area.right - area.left, h);
                area.bottom -= h;
                break;
            default:
                c->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
                break;
            }
        }
    }
}

bool Form::HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT Form::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleMessage(msg, wParam, lParam, result)) return result;
    switch (msg) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_SIZE:
        Realign();
        break;
    case WM_NOTIFY:
    case WM_COMMAND:
        if (RouteToChild(msg, wParam, lParam, result)) return result;
        break;
    }
    return DefWindowProcW(handle_, msg, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->Attach(hwnd);
    }
    auto* form = static_cast<Form*>(Control::FromHandle(hwnd));
    if (!form) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return Guarded([&] { return form->Dispatch(msg, wParam, lParam); });
}

} // namespace ui
