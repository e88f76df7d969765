// The main form's shortcut reader on files in the file system, in process under Wine.
#include "support/launch_support.h"

#include <shlobj.h>

#include <gtest/gtest.h>

namespace {

class ShortcutReadTest : public testing_support::EntryFormTest {
protected:
    void SetUp() override {
        EntryFormTest::SetUp();
        Start({});
    }
    testing_support::TempDir place;
};

TEST_F(ShortcutReadTest, LinkMadeByTheShellGivesItsTarget) {
    const std::string target = place.File("対象 file.exe");
    testing_support::WriteFileBytes(target, "x");
    const std::string link = place.File("リンク.lnk");
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    IShellLinkW* shellLink = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&shellLink))));
    shellLink->SetPath(ui::Wide(target).c_str());
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    EXPECT_TRUE(SUCCEEDED(file->Save(ui::Wide(link).c_str(), TRUE)));
    file->Release();
    shellLink->Release();
    CoUninitialize();

    EXPECT_EQ(Form1->ReadShortcutTarget(link), target);
}

TEST_F(ShortcutReadTest, FileThatCannotBeReadGivesItsOwnPath) {
    const std::string locked = place.File("locked.lnk");
    testing_support::WriteFileBytes(locked, std::string("L\0\0\0\x01\0C:\\X.EXE\0\0\x0A\0A", 19));
    EXPECT_EQ(Form1->ReadShortcutTarget(locked), "C:\\X.EXE") << "readable, it names its target";
    HANDLE holder = CreateFileW(ui::Wide(locked).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Form1->ReadShortcutTarget(locked), locked);
    CloseHandle(holder);

    for (const std::string& path : {place.File("missing.lnk"), place.path(), std::string()}) {
        EXPECT_EQ(Form1->ReadShortcutTarget(path), path);
    }
}

} // namespace
