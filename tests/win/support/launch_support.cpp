#include "support/launch_support.h"

#include "support/program_fixture.h"
#include "ui/sjis.h"

#include <windows.h>
#include <shlobj.h>

namespace testing_support {

namespace {

void SetDefaultValue(const std::wstring& key, const std::wstring& value) {
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) != 0)
        return;
    RegSetValueExW(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
}

std::wstring FromUtf8(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

} // namespace

TForm1* EntryFormTest::Start(const std::vector<info::Row>& rows) {
    std::string bytes;
    for (const std::string& line : info::Build(3, 0, {}, rows))
        bytes += line + "\r\n";
    WriteFileBytes(windows.File("TaskWembo.inf"), bytes);
    app->CreateForm(Form1);
    return Form1;
}

void EntryFormTest::TearDown() {
    ProgramTest::TearDown();
    Form1 = nullptr;
}

std::string ProgramBeside(const std::string& name) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return ui::Narrow(path.substr(0, path.find_last_of(L'\\') + 1)) + name;
}

std::optional<LaunchRecord> WaitForRecord(const std::string& file, unsigned limitMs) {
    // A record that cannot be read whole yet is read again until the time is up.
    const ULONGLONG end = GetTickCount64() + limitMs;
    for (;; Sleep(20)) {
        if (GetTickCount64() > end) return std::nullopt;
        if (!Exists(file)) continue;
        const std::wstring text = FromUtf8(ReadFileBytes(file));
        const std::size_t first = text.find(L'\n');
        const std::size_t second = first == std::wstring::npos ? first : text.find(L'\n', first + 1);
        if (second == std::wstring::npos) continue;
        LaunchRecord record;
        record.commandLine = ui::Narrow(text.substr(0, first));
        record.directory = ui::Narrow(text.substr(first + 1, second - first - 1));
        record.show = std::stoi(text.substr(second + 1));
        return record;
    }
}

ScopedAssociation::ScopedAssociation(const std::string& extension, const std::string& program)
    : extensionKey_(ui::Wide(extension)), classKey_(L"TaskWemboTest" + ui::Wide(extension)) {
    SetDefaultValue(extensionKey_, classKey_);
    SetDefaultValue(classKey_ + L"\\shell\\open\\command", L"\"" + ui::Wide(program) + L"\" \"%1\"");
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

ScopedAssociation::~ScopedAssociation() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, extensionKey_.c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, classKey_.c_str());
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

} // namespace testing_support
