#include "support/program_fixture.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace testing_support {

namespace {

void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = dir + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full);
            } else {
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(h, &found));
        FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
}

} // namespace

TempDir::TempDir() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        std::wstring candidate = std::wstring(base) + L"twtest" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                                 std::to_wstring(++counter);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = ui::Narrow(candidate);
            break;
        }
    }
}

TempDir::~TempDir() { RemoveTree(ui::Wide(path_)); }

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(std::filesystem::path(ui::Wide(path)), std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(ui::Wide(path)), std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool Exists(const std::string& path) { return GetFileAttributesW(ui::Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

void ProgramTest::SetUp() {
    app = new ui::Application;
    ::Application = app;
    app->SetUser(&user);
    app->Initialize();
    app->SetTitle("ペリモV2");
    ui::SetWindowsDirectoryForTesting(windows.path());
}

void ProgramTest::TearDown() {
    delete app;
    ::Application = nullptr;
    ui::SetWindowsDirectoryForTesting("");
    // A closed main form leaves its quit request behind; it must not reach the next test.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    user.VerifyAllAsked();
}

} // namespace testing_support
