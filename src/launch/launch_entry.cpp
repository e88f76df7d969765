// Starting an entry: a program directly with its show state, anything else through the program
// associated with it.
#include "editor/Frmmain.h"
#include "launch/launch_rules.h"
#include "registry/entry.h"

#include <shellapi.h>

#include <optional>
#include <string>

namespace {

// Removes leading and trailing characters below 33 (blanks and control characters).
std::wstring Trimmed(std::wstring text) {
    const auto keep = [](wchar_t c) { return c >= 33; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && !keep(text[begin]))
        ++begin;
    while (end > begin && !keep(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// The short form of an existing path, in Shift-JIS; nothing when the path cannot be reached or is
// longer than a path buffer of 256 bytes holds.
std::optional<std::string> ShortPath(const std::string& path) {
    if (path.size() >= launch::kPathBufferSize) return std::nullopt;
    const std::wstring wide = ui::Wide(path);
    std::wstring shortPath(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetShortPathNameW(wide.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
        if (n == 0) return std::nullopt;
        if (n < shortPath.size()) {
            shortPath.resize(n);
            break;
        }
        shortPath.resize(n);
    }
    auto sjis = ui::TryNarrow(Trimmed(shortPath));
    if (!sjis || sjis->empty() || sjis->size() >= launch::kPathBufferSize) return std::nullopt;
    return sjis;
}

// The program the shell starts for the file: the file itself for a program, empty when none.
std::wstring AssociatedProgram(const std::string& file) {
    wchar_t program[MAX_PATH + 1] = {};
    FindExecutableW(ui::Wide(file).c_str(), nullptr, program);
    return Trimmed(program);
}

std::wstring CurrentDirectory() {
    std::wstring dir(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(dir.size()), dir.data());
        if (n < dir.size()) {
            dir.resize(n);
            return dir;
        }
        dir.resize(n);
    }
}

// Puts the saved current directory back however the launch ends.
class DirectoryRestorer {
public:
    DirectoryRestorer() : saved_(CurrentDirectory()) {}
    ~DirectoryRestorer() { SetCurrentDirectoryW(saved_.c_str()); }
    DirectoryRestorer(const DirectoryRestorer&) = delete;
    DirectoryRestorer& operator=(const DirectoryRestorer&) = delete;

private:
    std::wstring saved_;
};

// Runs the program as WinExec does with `commandLine` and the show command, and returns what
// WinExec would.
unsigned RunProgram(const std::string& commandLine, int showCommand) {
    std::wstring line = ui::Wide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return launch::WinExecResultForError(GetLastError());
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return launch::kWinExecStarted;
}

} // namespace

void TForm1::LaunchEntry(int index) {
    const ui::ListItem row = ListView1->Items[index];
    const std::optional<std::string> entryPath = ShortPath(row.SubItem(entry::Path));
    if (!entryPath) {
        ui::ShowMessage(launch::kPathMissingMessage);
        return;
    }
    std::wstring programWide = AssociatedProgram(*entryPath);
    // A short name keeps three letters of a longer extension, whose association it then misses.
    if (programWide.empty()) programWide = AssociatedProgram(row.SubItem(entry::Path));
    // A program whose path has no Shift-JIS form cannot be the entry's own path.
    const std::optional<std::string> program = ui::TryNarrow(programWide);

    DirectoryRestorer restorer;
    const std::wstring folder = program ? ui::Wide(launch::FolderPart(*program))
                                        : programWide.substr(0, programWide.find_last_of(L"\\:") + 1);
    if (!folder.empty()) SetCurrentDirectoryW(folder.c_str());

    if (program && launch::ChooseWay(*entryPath, *program) == launch::Way::Direct) {
        const int show = launch::ShowCommandFor(row.SubItem(entry::ShowState));
        const std::string message =
            launch::WinExecMessage(RunProgram(launch::QuoteForCommandLine(*program), show));
        if (!message.empty())
            ::Application->MessageBox(message, launch::kExecErrorCaption, launch::kExecErrorBoxFlags);
    } else {
        ShellExecuteW(Handle(), L"open", programWide.c_str(),
                      ui::Wide(launch::QuoteForCommandLine(*entryPath)).c_str(), nullptr, SW_SHOW);
    }
}
