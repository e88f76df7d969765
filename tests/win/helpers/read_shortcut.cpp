// Prints the target our shortcut reader gives for each file named, one line each, in UTF-8.
#include "launch/shortcut_file.h"
#include "ui/sjis.h"

#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    std::wstring out;
    for (int i = 1; i < argc; ++i) {
        const auto path = ui::TryNarrow(argv[i]);
        out += (path ? ui::Wide(launch::ReadShortcutFile(*path)) : L"(no Shift-JIS form)") + L"\n";
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, out.data(), static_cast<int>(out.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, out.data(), static_cast<int>(out.size()), bytes.data(), n, nullptr,
                        nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
              nullptr);
    return 0;
}
