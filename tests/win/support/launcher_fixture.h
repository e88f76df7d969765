// The program's two forms over an information file of the test's own. The notification icons'
// calls into the shell are recorded instead of made; entries can point at copies of a program
// that records which copy was started.
#pragma once

#include "desktop/Desktopwemboform.h"
#include "editor/Frmmain.h"
#include "support/program_fixture.h"

#include <string>
#include <vector>

namespace testing_support {

struct EntrySpec {
    std::string name;
    std::string path = "C:\\nowhere\\missing.exe";
    std::string kind = "標準";
    std::string x = "64", y = "64";
};

struct FileSpec {
    int showCount = 3;
    int currentPage = 0;
    bool trayMode = true;
    bool closeOnDeactivate = true;
    bool singleClick = true;
    std::vector<EntrySpec> entries;
};

// Entries named e0, e1, ... at distinct places.
std::vector<EntrySpec> NumberedEntries(int count);

struct ShellCall {
    DWORD message; // NIM_ADD, NIM_MODIFY, NIM_DELETE
    HWND window;
    UINT id;
    UINT flags;
    UINT callbackMessage;
    std::wstring tip;
};

class LauncherTest : public ProgramTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void WriteInfo(const FileSpec& file);
    // Creates Form1 and then DeskTopWembo, as the program does.
    void Start(const FileSpec& file);

    // The icons that are up, by id, and their tips.
    std::vector<UINT> IconIds() const;
    std::vector<std::string> IconTips() const;
    // True when icon `id` shows image `image` of Form1->ImageList1.
    bool ShowsImage(UINT id, int image) const;
    // Sends the notification icons' callback message as the shell does.
    void Notify(UINT id, UINT mouseMessage) const;

    // A copy of the recording program named `name` in the test's folder; its path.
    std::string RecorderCopy(const std::string& name) const;
    // The copies started so far, in order, waiting until there are at least `count` of them.
    std::vector<std::string> Launches(std::size_t count) const;

    std::vector<ShellCall> shellCalls;
};

// A picture's pixels, colour and mask, for comparing pictures.
std::vector<DWORD> Pixels(HICON icon);

} // namespace testing_support
