#include "launch/launch_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ShowCommandFor, MapsTheThreeStatesByExactBytes) {
    const struct {
        std::string state;
        int command;
    } cases[] = {
        {"通常のウインドウ", 5},  {"最大化", 3}, {"最小化 ", 6}, {"最小化", 6}, {"", 6}, {"最大化 ", 6},
        {" 通常のウインドウ", 6}, {"normal", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("state: '" + c.state + "'");
        EXPECT_EQ(launch::ShowCommandFor(c.state), c.command);
    }
}

TEST(WinExecMessage, ReportsFourResultsAndNothingElse) {
    const struct {
        unsigned result;
        std::string message;
    } cases[] = {
        {0, "メモリー不足の為実行できません"},
        {2, "ファイルが見つかりません。削除された可能性があります。"},
        {3, "パスが見つかりませんでした。"},
        {11, "実行可能ファイルではありません。"},
        {1, ""},
        {5, ""},
        {10, ""},
        {12, ""},
        {31, ""},
        {32, ""},
        {0xFFFFFFFF, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("result: " + std::to_string(c.result));
        EXPECT_EQ(launch::WinExecMessage(c.result), c.message);
    }
}

TEST(WinExecResultForError, GivesWhatWinExecGivesForAFailedStart) {
    const struct {
        unsigned long error;
        unsigned result;
    } cases[] = {
        {2, 2},     // file not found
        {3, 3},     // path not found
        {5, 5},     // access denied: below 32, given as it is, and not reported
        {8, 0},     // not enough memory
        {14, 0},    // out of memory
        {11, 11},   // bad format
        {193, 11},  // not a program of this system
        {216, 11},  // a program for another machine
        {1392, 11}, // any other error
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("error: " + std::to_string(c.error));
        EXPECT_EQ(launch::WinExecResultForError(c.error), c.result);
    }
    EXPECT_GT(launch::kWinExecStarted, 31u);
}

TEST(LowerAscii, LowersSingleBytesAndLeavesDoubleByteCharactersAlone) {
    const struct {
        std::string text;
        std::string lowered;
    } cases[] = {
        {"C:\\PROGRA~1\\App.EXE", "c:\\progra~1\\app.exe"},
        {"", ""},
        {"az09_~", "az09_~"},
        {"ア", "ア"}, // 83 41: the second byte is an 'A'
        {"Xア.EXE", "xア.exe"},
        {"ＡＢＣ", "ＡＢＣ"}, // full-width letters are not A-Z
        {"ｱｲｳA", "ｱｲｳa"},     // half-width katakana are single bytes
        {"C:\\表\\A.EXE", "c:\\表\\a.exe"},
        {"AB\x83", "ab\x83"}, // a lead byte cut off at the end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text: '" + c.text + "'");
        EXPECT_EQ(launch::LowerAscii(c.text), c.lowered);
    }
}

TEST(ChooseWay, DirectOnlyWhenTheProgramOccursInThePathIgnoringCase) {
    using launch::Way;
    const struct {
        std::string shortPath;
        std::string program;
        Way way;
    } cases[] = {
        {"C:\\TOOLS\\APP.EXE", "C:\\TOOLS\\APP.EXE", Way::Direct},
        {"C:\\TOOLS\\APP.EXE", "c:\\tools\\app.exe", Way::Direct},
        {"c:\\Tools\\App.exe", "C:\\TOOLS\\APP.EXE", Way::Direct},
        {"X:C:\\TOOLS\\APP.EXE", "C:\\TOOLS\\APP.EXE", Way::Direct}, // any position
        {"C:\\DOCS\\README.TXT", "C:\\WINDOWS\\NOTEPAD.EXE", Way::Association},
        {"C:\\DOCS", "C:\\WINDOWS\\EXPLORER.EXE", Way::Association},
        {"C:\\DOCS\\README.TXT", "", Way::Association},
        {"", "", Way::Association},
        {"C:\\APP.EXE", "C:\\APP.EXE.BAK", Way::Association},
        // ア is 83 41 and ヂ is 83 61: lowering the second byte of ア would make them equal.
        {"C:\\ア.EXE", "C:\\ヂ.exe", Way::Association},
        {"C:\\ア.EXE", "c:\\ア.exe", Way::Direct},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("path: '" + c.shortPath + "', program: '" + c.program + "'");
        EXPECT_EQ(launch::ChooseWay(c.shortPath, c.program), c.way);
    }
}

TEST(FolderPart, EndsAtTheLastBackslashOrColonOfAWholeCharacter) {
    const struct {
        std::string program;
        std::string folder;
    } cases[] = {
        {"C:\\TOOLS\\APP.EXE", "C:\\TOOLS\\"},
        {"C:\\APP.EXE", "C:\\"},
        {"C:APP.EXE", "C:"},
        {"APP.EXE", ""},
        {"", ""},
        {"C:\\TOOLS\\", "C:\\TOOLS\\"},
        {"\\\\SERVER\\SHARE\\APP.EXE", "\\\\SERVER\\SHARE\\"},
        // 表 is 95 5C and ソ is 83 5C: their second byte is no separator.
        {"C:\\表\\a.exe", "C:\\表\\"},
        {"C:\\表", "C:\\"},
        {"C:\\ソフト\\a.exe", "C:\\ソフト\\"},
        {"ソフト", ""},
        {"表:", "表:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("program: '" + c.program + "'");
        EXPECT_EQ(launch::FolderPart(c.program), c.folder);
    }
}

TEST(QuoteForCommandLine, QuotesOnlyArgumentsWithBlanks) {
    const struct {
        std::string argument;
        std::string quoted;
    } cases[] = {
        {"C:\\PROGRA~1\\APP.EXE", "C:\\PROGRA~1\\APP.EXE"},
        {"", ""},
        {"C:\\Program Files\\app.exe", "\"C:\\Program Files\\app.exe\""},
        {"\"C:\\Program Files\\app.exe\"", "\"C:\\Program Files\\app.exe\""},
        {"C:\\My Docs\\", "\"C:\\My Docs\\\\\""}, // a lone backslash would escape the quote
        {"C:\\My Docs\\\\", "\"C:\\My Docs\\\\\\\\\""},
        {"C:\\新しい 表", "\"C:\\新しい 表\""}, // 表 ends in 5C but is no backslash
        {"\"", "\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("argument: '" + c.argument + "'");
        EXPECT_EQ(launch::QuoteForCommandLine(c.argument), c.quoted);
    }
}

} // namespace
