#include "support/e2e.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace e2e {

namespace {
std::wstring& Program() {
    static std::wstring path;
    return path;
}
} // namespace

void SetProgramPath(const char* path) {
    std::string p = path;
    if (!p.empty() && p.front() == '/') p = "Z:" + p;
    for (char& c : p) {
        if (c == '/') c = '\\';
    }
    Program() = std::wstring(p.begin(), p.end());
}

const std::wstring& ProgramPath() { return Program(); }

std::wstring InfoFile() {
    wchar_t dir[MAX_PATH];
    GetWindowsDirectoryW(dir, MAX_PATH);
    return std::wstring(dir) + L"\\TaskWembo.inf";
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

Process::Process(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring line = commandLine;
    CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_);
}

Process::~Process() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
}

bool Process::WaitForExit(DWORD milliseconds, DWORD& code) const {
    if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(info_.hProcess, &code);
    return true;
}

HWND WaitForWindow(DWORD pid, const wchar_t* className, const wchar_t* caption, DWORD milliseconds) {
    struct Search {
        DWORD pid;
        const wchar_t* className;
        const wchar_t* caption;
        HWND found;
    } search{pid, className, caption, nullptr};
    const DWORD start = GetTickCount();
    do {
        EnumWindows(
            [](HWND hwnd, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                DWORD owner = 0;
                GetWindowThreadProcessId(hwnd, &owner);
                wchar_t cls[64] = {}, text[256] = {};
                GetClassNameW(hwnd, cls, 64);
                GetWindowTextW(hwnd, text, 256);
                if (owner == s->pid && std::wstring(cls) == s->className && (!s->caption || s->caption == std::wstring(text))) {
                    s->found = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

std::wstring MessageBoxText(HWND box) {
    // The message of a message box is its static control with the id 0xFFFF.
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    return text;
}

} // namespace e2e
