// A program for entries to point at: it writes how it was started (its command line, its current
// directory and the show command it was given) to the file named by TW_LAUNCH_RECORD, and ends.
#include "utf8.h"

#include <windows.h>

#include <string>

int wmain() {
    wchar_t target[32768] = {};
    if (!GetEnvironmentVariableW(L"TW_LAUNCH_RECORD", target, 32768)) return 1;
    wchar_t directory[32768] = {};
    GetCurrentDirectoryW(32768, directory);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::string text =
        Utf8(GetCommandLineW()) + "\n" + Utf8(directory) + "\n" + std::to_string(show) + "\n";

    // Written aside and then renamed, so the reader never sees half a record.
    const std::wstring part = std::wstring(target) + L".part";
    HANDLE file =
        CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return MoveFileExW(part.c_str(), target, MOVEFILE_REPLACE_EXISTING) ? 0 : 3;
}
