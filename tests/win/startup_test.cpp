// The main form's start-up and shutdown with the information file, in process under Wine.
#include "editor/Frmmain.h"
#include "registry/entry.h"
#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::Exists;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

const std::string kReadFailed = "情報ファイルが読込めませんでした";
const std::string kWriteFailed = "情報ファイル作作成に失敗しました。";
const std::string kFirstStartFile = "DESKTOP\r\n6\r\n3\r\n0\r\nON\r\nON_S\r\n";

class StartupTest : public testing_support::ProgramTest {
protected:
    std::string InfoFile() const { return windows.File("TaskWembo.inf"); }
    TForm1* Start() {
        app->CreateForm(Form1);
        return Form1;
    }
    // The rows as name and five sub-items, plus image and state index.
    std::vector<std::string> Row(int i) const {
        ui::ListItem r = Form1->ListView1->Items[i];
        std::vector<std::string> fields = {r.Caption()};
        for (int k = 0; k < entry::kSubItemCount; ++k) fields.push_back(r.SubItem(k));
        return fields;
    }
};

TEST_F(StartupTest, FirstStartShowsTheMessageOnceAndExitWritesTheHeader) {
    user.Expect("message", kReadFailed);
    TForm1* form = Start();
    EXPECT_EQ(user.prompts().at(0).caption, "ペリモV2");
    EXPECT_EQ(form->ShowCount, 3);
    EXPECT_EQ(form->CurrentPage, 0);
    EXPECT_EQ(form->EntryCount, 0);
    EXPECT_TRUE(form->N9->Checked);
    EXPECT_TRUE(form->N13->Checked);
    EXPECT_FALSE(form->N13->Enabled);
    EXPECT_TRUE(form->N18->Checked);
    EXPECT_EQ(form->ListView1->Items.Count(), 0);
    EXPECT_EQ(form->ImageList1->Count(), 5);
    EXPECT_EQ(form->ImageList2->Count(), 5);
    EXPECT_FALSE(form->Visible()) << "the program starts without a window";

    form->N3->Click();
    EXPECT_EQ(ReadFileBytes(InfoFile()), kFirstStartFile);
    EXPECT_FALSE(Exists(InfoFile() + ".unread1")) << "a missing file has nothing to set aside";
}

TEST_F(StartupTest, OlderFormLoadsWithComputedPositionsAndIsWrittenInTheCurrentForm) {
    WriteFileBytes(InfoFile(), "12\r\n2\r\n1\r\nx\r\n"
                               "メモ帳\r\nC:\\WINDOWS\\NOTEPAD.EXE\r\n最大化\r\n標準\r\n"
                               "表計算\r\nC:\\表\\calc.exe\r\n最小化 \r\n12\r\n");
    TForm1* form = Start();
    EXPECT_EQ(form->ShowCount, 2);
    EXPECT_EQ(form->CurrentPage, 1);
    EXPECT_EQ(form->EntryCount, 2);
    EXPECT_TRUE(form->N9->Checked);
    EXPECT_TRUE(form->N13->Checked);
    EXPECT_FALSE(form->N13->Enabled);
    EXPECT_TRUE(form->N18->Checked);
    ASSERT_EQ(form->ListView1->Items.Count(), 2);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"メモ帳", "C:\\WINDOWS\\NOTEPAD.EXE", "最大化", "標準", "64", "64"}));
    EXPECT_EQ(Row(1), (std::vector<std::string>{"表計算", "C:\\表\\calc.exe", "最小化 ", "12", "74", "74"}));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(form->ListView1->Items[i].ImageIndex(), 5 + i);
        EXPECT_EQ(form->ListView1->Items[i].StateIndex(), 5);
    }

    form->Close();
    EXPECT_EQ(ReadFileBytes(InfoFile()), "DESKTOP\r\n18\r\n2\r\n1\r\nON\r\nON_S\r\n"
                                         "メモ帳\r\nC:\\WINDOWS\\NOTEPAD.EXE\r\n最大化\r\n標準\r\n64\r\n64\r\n"
                                         "表計算\r\nC:\\表\\calc.exe\r\n最小化 \r\n12\r\n74\r\n74\r\n");
}

TEST_F(StartupTest, CurrentFormReadsBackToTheSameBytes) {
    const std::string file = "DESKTOP\r\n24\r\n4\r\n0\r\nOFF\r\nOFF_D\r\n"
                             "ソフト\r\nC:\\Program Files\\ソフト\\a.exe\r\n通常のウインドウ\r\n標準\r\n100\r\n-20\r\n"
                             "\r\n\r\n\r\n\r\n\r\n\r\n"
                             "フォルダ\r\nC:\\表\r\n最大化\r\n67\r\nabc\r\n7\r\n";
    WriteFileBytes(InfoFile(), file);
    TForm1* form = Start();
    EXPECT_FALSE(form->N9->Checked) << "desktop mode";
    EXPECT_TRUE(form->N13->Enabled);
    EXPECT_FALSE(form->N13->Checked);
    EXPECT_FALSE(form->N18->Checked);
    EXPECT_EQ(form->EntryCount, 3);
    ASSERT_EQ(form->ListView1->Items.Count(), 3);
    EXPECT_EQ(Row(1), (std::vector<std::string>(6, "")));
    form->Close();
    EXPECT_EQ(ReadFileBytes(InfoFile()), file);
}

TEST_F(StartupTest, LineEndsOfEveryKindAreRead) {
    for (const std::string end : {"\n", "\r"}) {
        SCOPED_TRACE(end == "\n" ? "LF" : "CR");
        WriteFileBytes(InfoFile(), "DESKTOP" + end + "12" + end + "3" + end + "0" + end + "ON" + end + "ON_D" + end +
                                       "a" + end + "b" + end + "c" + end + "d" + end + "1" + end + "2" + end);
        TForm1* form = Start();
        ASSERT_EQ(form->ListView1->Items.Count(), 1);
        EXPECT_EQ(Row(0), (std::vector<std::string>{"a", "b", "c", "d", "1", "2"}));
        EXPECT_FALSE(form->N18->Checked);
        delete form;
        Form1 = nullptr;
    }
}

TEST_F(StartupTest, UnreadableFileIsSetAsideBeforeTheSave) {
    const std::string broken = "DESKTOP\r\nmany\r\n3\r\n0\r\n";
    WriteFileBytes(InfoFile(), broken);
    WriteFileBytes(InfoFile() + ".unread1", "an earlier one");
    user.Expect("message", kReadFailed);
    TForm1* form = Start();
    EXPECT_EQ(form->ListView1->Items.Count(), 0);
    EXPECT_EQ(ReadFileBytes(InfoFile()), broken) << "nothing is written before exit";
    form->Close();
    EXPECT_EQ(ReadFileBytes(InfoFile() + ".unread1"), "an earlier one");
    EXPECT_EQ(ReadFileBytes(InfoFile() + ".unread2"), broken);
    EXPECT_EQ(ReadFileBytes(InfoFile()), kFirstStartFile);
}

TEST_F(StartupTest, FailedSaveKeepsThePreviousFileAndSaysSo) {
    // A folder in the file's place: it cannot be read, and it cannot be replaced.
    ASSERT_TRUE(CreateDirectoryW(ui::Wide(InfoFile()).c_str(), nullptr));
    user.Expect("message", kReadFailed);
    TForm1* form = Start();
    user.Expect("message", kWriteFailed);
    form->Close();
    EXPECT_EQ(GetFileAttributesW(ui::Wide(InfoFile()).c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_FALSE(Exists(InfoFile() + ".new")) << "no half-written file is left behind";
}

TEST_F(StartupTest, EndSessionClosesAndWritesTheFileWhateverItsParameter) {
    for (WPARAM ending : {TRUE, FALSE}) {
        DeleteFileW(ui::Wide(InfoFile()).c_str());
        user.Expect("message", kReadFailed);
        TForm1* form = Start();
        SendMessageW(form->Handle(), WM_ENDSESSION, ending, 0);
        EXPECT_EQ(ReadFileBytes(InfoFile()), kFirstStartFile);
        MSG quit;
        EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the message loop is told to end";
        delete form;
        Form1 = nullptr;
    }
}

TEST_F(StartupTest, HelpAsksForTheContentsOfTheHelpFile) {
    WriteFileBytes(InfoFile(), kFirstStartFile);
    TForm1* form = Start();
    std::vector<std::pair<unsigned, ULONG_PTR>> requests;
    app->OnHelp = [&](unsigned command, ULONG_PTR data, bool& callHelp) {
        requests.emplace_back(command, data);
        callHelp = false;
        return true;
    };
    form->N21->Click();
    form->Help1Click(form);
    EXPECT_EQ(app->HelpFile, "ペリモ.hlp");
    EXPECT_EQ(requests, (std::vector<std::pair<unsigned, ULONG_PTR>>(2, {HELP_CONTENTS, 0})));
}

TEST_F(StartupTest, TrayMenuHasItsItemsInOrder) {
    WriteFileBytes(InfoFile(), kFirstStartFile);
    TForm1* form = Start();
    std::vector<std::string> names;
    for (int i = 0; i < form->PopupMenu2->Items.Count(); ++i) names.push_back(form->PopupMenu2->Items.Item(i)->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"N6", "N7", "N4", "N2", "N16", "N9", "N13", "N24", "N17", "N1", "N18",
                                               "N21", "N14", "N3"}));
    ASSERT_EQ(form->N7->Count(), 1);
    EXPECT_EQ(form->N7->Item(0), form->N10);
    EXPECT_EQ(form->N3->Caption, "終　　　   了");
}

} // namespace
