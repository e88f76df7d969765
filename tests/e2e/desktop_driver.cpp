// Helps the end-to-end script look into a Wine desktop: waits for a window of the program to
// appear, show, hide or go, and puts up a window that records the clicks it gets.
//   desktop_driver wait DESKTOP CLASS shown|hidden|gone MILLISECONDS
//   desktop_driver catch LEFT TOP WIDTH HEIGHT LOGFILE STOPFILE   (run inside the desktop)
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring logFile;

bool JoinDesktop(const wchar_t* name) {
    HDESK desktop = OpenDesktopW(name, 0, FALSE, GENERIC_ALL);
    return desktop && SetThreadDesktop(desktop);
}

int Wait(const wchar_t* className, const std::wstring& state, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowW(className, nullptr);
        const bool done = state == L"gone"    ? window == nullptr
                          : state == L"shown" ? window && IsWindowVisible(window)
                                              : window && !IsWindowVisible(window);
        if (done) {
            RECT r{};
            if (window) GetWindowRect(window, &r);
            std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
            return 0;
        }
        if (GetTickCount() - start > milliseconds) return 1;
        Sleep(100);
    }
}

void Append(const std::string& line) {
    FILE* f = _wfopen(logFile.c_str(), L"ab");
    if (!f) return;
    std::fputs((line + "\n").c_str(), f);
    std::fclose(f);
}

LRESULT CALLBACK CatchProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONDOWN) {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hwnd, &p);
        Append("click " + std::to_string(p.x) + " " + std::to_string(p.y));
        return 0;
    }
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A plain window under everything else that records the clicks that reach it, until the stop
// file appears.
int Catch(int left, int top, int width, int height, const std::wstring& stopFile) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CatchProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"TaskWemboClickCatcher";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"beneath", WS_POPUP | WS_BORDER, left, top, width,
                                  height, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    Append("ready");
    SetTimer(window, 1, 200, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && GetFileAttributesW(stopFile.c_str()) != INVALID_FILE_ATTRIBUTES) break;
        DispatchMessageW(&msg);
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"wait" && argc == 6) {
        if (!JoinDesktop(argv[2])) {
            std::printf("cannot join the desktop\n");
            return 2;
        }
        return Wait(argv[3], argv[4], static_cast<DWORD>(_wtoi(argv[5])));
    }
    if (command == L"catch" && argc == 8) {
        logFile = argv[6];
        return Catch(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]), argv[7]);
    }
    std::printf("usage: desktop_driver wait DESKTOP CLASS shown|hidden|gone MS | catch L T W H LOG STOP\n");
    return 2;
}
