// A program that entries can point at: it appends its own file name to "launches.log" beside it
// and ends. Copies under different names tell which entry was started.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    const std::size_t slash = path.find_last_of(L'\\');
    const std::wstring name = path.substr(slash + 1);
    const std::wstring log = path.substr(0, slash + 1) + L"launches.log";
    for (int attempt = 0; attempt < 50; ++attempt) {
        HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            Sleep(20); // another copy is writing
            continue;
        }
        const std::wstring line = name + L"\r\n";
        DWORD written = 0;
        WriteFile(file, line.c_str(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written, nullptr);
        CloseHandle(file);
        break;
    }
    return 0;
}
