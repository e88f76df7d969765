#include "ui/user.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/sjis.h"

#include <windows.h>

#include <vector>

namespace ui {

namespace {

HWND DialogOwner() {
    HWND active = GetActiveWindow();
    return active ? active : (::Application ? ::Application->Handle() : nullptr);
}

// A plain function: the 32-bit platform calls it with its own calling convention.
BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

} // namespace

void RealUser::ShowMessage(const std::string& text) {
    MessageBoxW(DialogOwner(), Wide(text).c_str(), Wide(::Application->Title()).c_str(), MB_OK | MB_SETFOREGROUND);
}

int RealUser::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return MessageBoxW(DialogOwner(), Wide(text).c_str(), Wide(caption).c_str(), flags | MB_SETFOREGROUND);
}

int RealUser::WarningDialog(const std::string& text) {
    int answer = MessageBoxW(DialogOwner(), Wide(text).c_str(), Wide("警告").c_str(),
                             MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
    return answer == IDOK ? mrOk : mrCancel;
}

int RealUser::ShowModal(Form& form) {
    // Every other window of the program waits while the form is up.
    HWND owner = ::Application->Handle();
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&disabled));
    std::erase_if(disabled, [&](HWND h) { return h == form.Handle() || h == owner || !IsWindowEnabled(h); });
    for (HWND h : disabled) EnableWindow(h, FALSE);

    form.ModalResult = 0;
    form.Show();
    SetForegroundWindow(form.Handle());
    MSG msg;
    while (form.ModalResult == 0 && !::Application->Terminated()) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!IsDialogMessageW(form.Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    for (HWND h : disabled) EnableWindow(h, TRUE);
    form.Hide();
    return form.ModalResult == 0 ? mrCancel : form.ModalResult;
}

} // namespace ui
