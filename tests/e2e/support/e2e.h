// Driving the real TaskWembo.exe from a test program running in the same Wine prefix.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// The program under test, from the test's first argument (a Linux path is mapped to drive Z:).
void SetProgramPath(const char* path);
const std::wstring& ProgramPath();

// The information file in the prefix's Windows directory.
std::wstring InfoFile();
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
bool Exists(const std::wstring& path);

// A started process; killed at the end of the test if it is still running.
class Process {
public:
    explicit Process(const std::wstring& commandLine);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    // True when it ended within the time; its exit code in `code`.
    bool WaitForExit(DWORD milliseconds, DWORD& code) const;

private:
    PROCESS_INFORMATION info_{};
};

// A top-level window of `pid` with that class (and caption, when given) once it exists.
HWND WaitForWindow(DWORD pid, const wchar_t* className, const wchar_t* caption, DWORD milliseconds);
// The text of a message box's message.
std::wstring MessageBoxText(HWND box);

} // namespace e2e
