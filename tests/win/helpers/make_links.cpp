// Makes shortcut files with the shell's own link object, in the folder given, next to the files
// they point at; writes "links.txt" there: one line per file, its name and the target our reader
// must give for it (UTF-8, tab between).
#include "utf8.h"

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace {

struct Link {
    std::wstring name;
    std::wstring target; // a file system path, relative to the folder unless it has a drive
    const wchar_t* arguments = nullptr;
    const wchar_t* workingFolder = nullptr;
    const wchar_t* description = nullptr;
    const wchar_t* iconLocation = nullptr;
};

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

// Saves a link made by `fill`; false when the shell refuses.
template <class Fill> bool Save(const std::wstring& file, Fill fill) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
        return false;
    }
    fill(*link);
    IPersistFile* persist = nullptr;
    bool ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
              SUCCEEDED(persist->Save(file.c_str(), TRUE));
    if (persist) persist->Release();
    link->Release();
    return ok;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    const std::wstring dir = argv[1];
    if (FAILED(CoInitialize(nullptr))) return 3;

    for (const wchar_t* folder : {L"Dir With Space", L"日本語", L"日本語\\深い フォルダ"}) {
        CreateDirectoryW((dir + L"\\" + folder).c_str(), nullptr);
    }
    for (const wchar_t* file : {L"target.exe", L"Dir With Space\\a b.exe", L"日本語\\表計算.exe",
                                L"日本語\\深い フォルダ\\文書 1.txt", L"doc file.txt"}) {
        if (!WriteBytes(dir + L"\\" + file, "x")) return 4;
    }

    const std::vector<Link> links = {
        {L"plain.lnk", L"target.exe"},
        {L"windows.lnk", L"C:\\windows\\notepad.exe"},
        {L"space.lnk", L"Dir With Space\\a b.exe", L"-x \"y z\"", L"C:\\windows", L"説明 description",
         L"C:\\windows\\notepad.exe"},
        {L"japanese.lnk", L"日本語\\表計算.exe"},
        {L"deep japanese.lnk", L"日本語\\深い フォルダ\\文書 1.txt", L"/p", L"C:\\", L"文書", nullptr},
        {L"folder.lnk", L"日本語"},
        {L"document.lnk", L"doc file.txt", nullptr, nullptr, L"a document", L"C:\\windows\\notepad.exe"},
    };
    std::string manifest;
    for (const Link& l : links) {
        const std::wstring target =
            l.target.find(L':') == std::wstring::npos ? dir + L"\\" + l.target : l.target;
        const bool saved = Save(dir + L"\\" + l.name, [&](IShellLinkW& link) {
            link.SetPath(target.c_str());
            if (l.arguments) link.SetArguments(l.arguments);
            if (l.workingFolder) link.SetWorkingDirectory(l.workingFolder);
            if (l.description) link.SetDescription(l.description);
            if (l.iconLocation) link.SetIconLocation(l.iconLocation, 1);
        });
        if (!saved) return 5;
        manifest += Utf8(l.name) + "\t" + Utf8(target) + "\n";
    }

    // A link to a shell folder that is no file: the shortcut keeps its own path.
    PIDLIST_ABSOLUTE computer = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer))) return 6;
    const bool saved = Save(dir + L"\\computer.lnk", [&](IShellLinkW& link) { link.SetIDList(computer); });
    CoTaskMemFree(computer);
    if (!saved) return 7;
    manifest += "computer.lnk\t" + Utf8(dir) + "\\computer.lnk\n";

    // Files that only carry the name: a text, the scan's own example, and none at all.
    if (!WriteBytes(dir + L"\\text.lnk", "not a shortcut\r\n")) return 8;
    manifest += "text.lnk\t" + Utf8(dir) + "\\text.lnk\n";
    if (!WriteBytes(dir + L"\\scan.lnk", std::string("L\0\0\0\x01\0C:\\X.EXE\0\0\x0A\0A", 19))) return 9;
    manifest += "scan.lnk\tC:\\X.EXE\n";
    manifest += "missing.lnk\t" + Utf8(dir) + "\\missing.lnk\n";

    CoUninitialize();
    return WriteBytes(dir + L"\\links.txt", manifest) ? 0 : 10;
}
