// Starting entries for real under Wine: a recording program run directly with its show state, a
// document opened by its associated program, and the failures.
#include "launch/launch_rules.h"
#include "registry/entry.h"
#include "support/launch_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using testing_support::LaunchRecord;
using testing_support::ProgramBeside;
using testing_support::TempDir;

std::string ShortPathOf(const std::string& path) {
    wchar_t buffer[MAX_PATH] = {};
    GetShortPathNameW(ui::Wide(path).c_str(), buffer, MAX_PATH);
    return ui::Narrow(buffer);
}

std::string CurrentDirectory() {
    wchar_t buffer[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, buffer);
    return ui::Narrow(buffer);
}

// The same folder, whether named in short or long form, whatever the case of its letters.
std::string FolderKey(const std::string& folder) {
    wchar_t buffer[MAX_PATH] = {};
    GetLongPathNameW(ui::Wide(folder).c_str(), buffer, MAX_PATH);
    std::string key = ui::Narrow(buffer);
    if (!key.empty() && key.back() == '\\') key.pop_back();
    return launch::LowerAscii(key);
}

class LaunchTest : public testing_support::EntryFormTest {
protected:
    void SetUp() override {
        EntryFormTest::SetUp();
        Start({});
        SetEnvironmentVariableW(testing_support::kRecordVariable, ui::Wide(record()).c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(testing_support::kRecordVariable, nullptr);
        EntryFormTest::TearDown();
    }

    std::string record() const { return place.File("record.txt"); }

    // A copy of the recording program at `relative` inside the test's folder.
    std::string Recorder(const std::string& relative) const {
        const std::string path = place.File(relative);
        const std::size_t slash = relative.rfind('\\');
        if (slash != std::string::npos)
            CreateDirectoryW(ui::Wide(place.File(relative.substr(0, slash))).c_str(), nullptr);
        EXPECT_TRUE(
            CopyFileW(ui::Wide(ProgramBeside("record_launch.exe")).c_str(), ui::Wide(path).c_str(), FALSE));
        return path;
    }

    int AddEntry(const std::string& path, const std::string& show) {
        ui::ListItem row = Form1->ListView1->Items.Add();
        row.SetCaption("項目");
        row.SetSubItemsText(entry::FormatBlock(path, show, entry::kIconStandard, 64, 64));
        return row.Index();
    }

    // Launches the entry and checks that the current directory is the same afterwards.
    void Launch(int index) {
        DeleteFileW(ui::Wide(record()).c_str());
        const std::string before = CurrentDirectory();
        Form1->LaunchEntry(index);
        EXPECT_EQ(CurrentDirectory(), before) << "the current directory is restored";
    }

    TempDir place;
};

TEST_F(LaunchTest, ProgramsRunThemselvesWithTheEntrysShowCommandInTheirOwnFolder) {
    const struct {
        std::string file;
        std::string show;
        int command;
    } cases[] = {
        {"rec.exe", entry::kShowNormal, SW_SHOW},
        {"rec.exe", entry::kShowMaximized, SW_SHOWMAXIMIZED},
        {"rec.exe", entry::kShowMinimized, SW_MINIMIZE},
        {"rec.exe", "最小化", SW_MINIMIZE},
        {"Dir With Space\\rec launch.exe", entry::kShowMaximized, SW_SHOWMAXIMIZED},
        {"日本語\\記録.exe", entry::kShowNormal, SW_SHOW},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " / " + c.show);
        const std::string program = Recorder(c.file);
        Launch(AddEntry(program, c.show));
        const auto got = testing_support::WaitForRecord(record());
        ASSERT_TRUE(got) << "the program was not started";
        const std::string shortPath = ShortPathOf(program);
        EXPECT_EQ(got->commandLine, launch::QuoteForCommandLine(shortPath)) << "no arguments are added";
        EXPECT_EQ(got->show, c.command);
        EXPECT_EQ(FolderKey(got->directory), FolderKey(launch::FolderPart(shortPath)));
    }
}

TEST_F(LaunchTest, DocumentOpensWithItsAssociatedProgramWhateverTheShowState) {
    const std::string opener = Recorder("opener\\open doc.exe");
    // The short name of a document keeps only three letters of a longer extension.
    for (const std::string extension : {".twr", ".twrec"}) {
        SCOPED_TRACE(extension);
        testing_support::ScopedAssociation association(extension, opener);
        const std::string document = place.File("a document" + extension);
        testing_support::WriteFileBytes(document, "text");

        Launch(AddEntry(document, entry::kShowMaximized));
        const auto got = testing_support::WaitForRecord(record());
        ASSERT_TRUE(got) << "the associated program was not started";
        const std::string shortDocument = ShortPathOf(document);
        const std::string& line = got->commandLine;
        ASSERT_GE(line.size(), shortDocument.size());
        EXPECT_EQ(launch::LowerAscii(line.substr(line.size() - shortDocument.size())),
                  launch::LowerAscii(shortDocument))
            << line;
        EXPECT_EQ(got->show, SW_SHOW) << "the show state is not used for documents";
        EXPECT_EQ(FolderKey(got->directory), FolderKey(ShortPathOf(place.File("opener"))));
    }
}

TEST_F(LaunchTest, FailuresAreReportedAndStartNothing) {
    const std::string notAProgram = place.File("text.exe");
    testing_support::WriteFileBytes(notAProgram, "only text, no program\r\n");
    const struct {
        std::string path;
        std::string kind;
        std::string message;
    } cases[] = {
        {place.File("missing.exe"), "message", launch::kPathMissingMessage},
        {"", "message", launch::kPathMissingMessage},
        {place.File(std::string(300, 'x') + ".exe"), "message", launch::kPathMissingMessage},
        {notAProgram, "box", "実行可能ファイルではありません。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.substr(0, 80));
        user.Expect(c.kind, c.message);
        Launch(AddEntry(c.path, entry::kShowNormal));
        user.VerifyAllAsked();
        if (c.kind == "box") {
            EXPECT_EQ(user.prompts().back().caption, "実行エラー");
            EXPECT_EQ(user.prompts().back().flags, 0x10u);
        }
    }
    EXPECT_FALSE(testing_support::WaitForRecord(record(), 500));
}

} // namespace
