// The process: one instance at a time, the forms, the message loop.
#include "desktop/Desktopwemboform.h"
#include "editor/Frmmain.h"
#include "ui/ui.h"

#include <windows.h>

namespace {
constexpr wchar_t kMutexName[] = L"TTaskWembo";
constexpr char kTitle[] = "ペリモV2";
} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Another instance runs: end silently.
    if (HANDLE running = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kMutexName)) {
        CloseHandle(running);
        return 0;
    }
    ui::Application application;
    ::Application = &application;
    try {
        // Kept open until the process ends: the guard is the mutex's existence. Two starts at the
        // same moment both pass the probe above; the later one finds the mutex made here.
        HANDLE guard = CreateMutexW(nullptr, FALSE, kMutexName);
        if (guard && GetLastError() == ERROR_ALREADY_EXISTS) return 0;
        application.Initialize();
        application.SetTitle(kTitle);
        application.CreateForm(Form1);
        application.CreateForm(DeskTopWembo);
        ShowWindow(application.Handle(), SW_HIDE);
        application.ShowMainForm = false;
        application.Run();
    } catch (const ui::Exception& e) {
        application.ShowException(e);
    }
    return 0;
}
