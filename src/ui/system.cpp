#include "ui/system.h"

#include "ui/sjis.h"
#include "ui/text_lines.h"

#include <windows.h>

namespace ui {

namespace {
std::string& WindowsDirectoryOverride() {
    static std::string path;
    return path;
}
} // namespace

std::string WindowsDirectory() {
    if (!WindowsDirectoryOverride().empty()) return WindowsDirectoryOverride();
    wchar_t buffer[MAX_PATH + 1] = {};
    UINT n = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    if (n == 0 || n > MAX_PATH) return {};
    return Trim(Narrow(std::wstring_view(buffer, n)));
}

void SetWindowsDirectoryForTesting(const std::string& path) { WindowsDirectoryOverride() = path; }

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CopyNewFile(const std::string& from, const std::string& to) {
    return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), TRUE) != FALSE;
}

} // namespace ui
