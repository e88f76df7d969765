#include "ui/string_list.h"

#include "ui/exception.h"
#include "ui/handles.h"
#include "ui/sjis.h"
#include "ui/text_lines.h"

#include <windows.h>

namespace ui {

std::string StringList::Strings(int index) const {
    return index >= 0 && index < Count() ? lines_[static_cast<std::size_t>(index)] : std::string();
}

void StringList::LoadFromFile(const std::string& path) {
    KernelHandle file = FromCreateFile(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw EFileError("Cannot open file \"" + path + "\"");
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024) {
        throw EFileError("Cannot read file \"" + path + "\"");
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size())) {
        throw EFileError("Cannot read file \"" + path + "\"");
    }
    lines_ = SplitLines(bytes);
}

void StringList::SaveToFile(const std::string& path) const {
    const std::wstring target = Wide(path);
    const std::wstring temp = target + L".new";
    const std::string bytes = JoinLines(lines_);
    bool written = false;
    {
        KernelHandle file = FromCreateFile(
            CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            DWORD done = 0;
            written = (bytes.empty() || (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done,
                                                   nullptr) &&
                                         done == bytes.size())) &&
                      FlushFileBuffers(file.get());
        }
    }
    if (written && MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return;
    }
    DeleteFileW(temp.c_str());
    throw EFileError("Cannot create file \"" + path + "\"");
}

} // namespace ui
