#include "launch/shortcut_file.h"

#include "editor/Frmmain.h"
#include "launch/shortcut_target.h"
#include "ui/handles.h"
#include "ui/sjis.h"

#include <shlobj.h>

namespace launch {

namespace {

// Shortcuts are small: the structures that name the target lie in their first 64 KiB.
constexpr DWORD kBytesRead = 64 * 1024;

std::optional<std::string> ReadStart(const std::string& path) {
    ui::KernelHandle file =
        ui::FromCreateFile(CreateFileW(ui::Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes(kBytesRead, '\0');
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data(), kBytesRead, &got, nullptr)) return std::nullopt;
    bytes.resize(got);
    return bytes;
}

std::optional<std::string> ToShiftJis(std::u16string_view wide) {
    return ui::TryNarrow(std::wstring_view(reinterpret_cast<const wchar_t*>(wide.data()), wide.size()));
}

// A '?' stands for a character the link's ANSI string could not hold: no file name has one. The
// prefix of a long path ("\\?\") is no such character.
bool HasLostCharacters(std::string_view path) {
    if (path.starts_with("\\\\?\\")) path.remove_prefix(4);
    return path.find('?') != std::string_view::npos;
}

template <class T> struct Released {
    T* p = nullptr;
    ~Released() {
        if (p) p->Release();
    }
};

// The target as the shell rebuilds it from the link's item list, whose names are Unicode.
std::optional<std::string> TargetFromItemList(const std::string& link) {
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::optional<std::string> result;
    {
        Released<IShellLinkW> shellLink;
        Released<IPersistFile> file;
        PIDLIST_ABSOLUTE items = nullptr;
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                       reinterpret_cast<void**>(&shellLink.p))) &&
            SUCCEEDED(shellLink.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) &&
            SUCCEEDED(file.p->Load(ui::Wide(link).c_str(), STGM_READ)) &&
            SUCCEEDED(shellLink.p->GetIDList(&items)) && items && SHGetPathFromIDListW(items, path)) {
            result = ui::TryNarrow(path);
        }
        CoTaskMemFree(items);
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return result;
}

} // namespace

std::string ReadShortcutFile(const std::string& path) {
    try {
        const auto bytes = ReadStart(path);
        if (!bytes) return path;
        const std::string target = ShortcutTargetFromBytes(path, *bytes, ToShiftJis);
        if (target == path || !HasLostCharacters(target)) return target;
        // A target we cannot name would be a wrong one: the shell can still open the shortcut.
        const auto rebuilt = TargetFromItemList(path);
        return rebuilt && !rebuilt->empty() && !HasLostCharacters(*rebuilt) ? *rebuilt : path;
    } catch (...) {
        return path;
    }
}

} // namespace launch

std::string TForm1::ReadShortcutTarget(const std::string& path) {
    return launch::ReadShortcutFile(path);
}
