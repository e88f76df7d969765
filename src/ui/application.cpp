#include "ui/application.h"

#include "ui/exception.h"
#include "ui/form.h"
#include "ui/sjis.h"

#include <commctrl.h>

ui::Application* Application = nullptr;

namespace ui {

namespace {
constexpr wchar_t kWindowClass[] = L"TApplication";
}

Application::Application() : Component(nullptr) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Application::WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    // The application window carries the taskbar button of a normal program; it is kept hidden.
    handle_ = CreateWindowExW(0, kWindowClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                              nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Application::~Application() {
    // Forms first: their windows are owned by the application window.
    DestroyComponents();
    mainForm_ = nullptr;
    if (handle_) DestroyWindow(handle_);
    if (::Application == this) ::Application = nullptr;
}

void Application::Initialize() { terminated_ = false; }

void Application::SetTitle(const std::string& title) {
    title_ = title;
    SetWindowTextW(handle_, Wide(title).c_str());
}

bool Application::Dispatch(MSG& msg) {
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return false;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void Application::Run() {
    if (ShowMainForm && mainForm_) mainForm_->Show();
    MSG msg;
    while (!terminated_) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
}

void Application::Terminate() {
    if (!terminated_) PostQuitMessage(0);
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!Dispatch(msg)) {
            // Leave the quit for the loop that owns it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            terminated_ = false;
            break;
        }
    }
}

int Application::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return user_->MessageBox(text, caption, flags);
}

void Application::ShowException(const std::exception& e) {
    std::string text = e.what();
    if (!text.empty() && text.back() != '.') text += '.';
    user_->MessageBox(text, title_, MB_OK | MB_ICONSTOP);
}

bool Application::HelpCommand(unsigned command, ULONG_PTR data) {
    bool callHelp = true;
    bool result = false;
    if (OnHelp) result = OnHelp(command, data, callHelp);
    if (!callHelp) return result;
    if (HelpFile.empty()) return false;
    HWND owner = mainForm_ ? mainForm_->Handle() : handle_;
    return WinHelpW(owner, Wide(HelpFile).c_str(), command, data) != FALSE;
}

LRESULT CALLBACK Application::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* app = reinterpret_cast<Application*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (app && msg == WM_ACTIVATEAPP && !wParam && app->OnDeactivate) {
        try {
            app->OnDeactivate(app);
        } catch (const std::exception& e) {
            app->ShowException(e);
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void ShowMessage(const std::string& text) { ::Application->user().ShowMessage(text); }

} // namespace ui
