#include "registry/entry.h"
#include "registry/info_format.h"
#include "ui/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines FileLines(const std::string& text) { return ui::SplitLines(text); }

// The fields of a parsed entry, name first.
Lines Fields(const info::Entry& e) {
    Lines f = {e.name};
    for (auto& v : ui::SplitFields(e.block, entry::kSubItemCount)) f.push_back(v);
    return f;
}

TEST(InfoParse, CurrentForm) {
    const auto loaded = info::Parse(FileLines("DESKTOP\r\n18\r\n4\r\n1\r\nOFF\r\nON_D\r\n"
                                              "メモ帳\r\nC:\\WINDOWS\\NOTEPAD.EXE\r\n最大化\r\n標準\r\n100\r\n120\r\n"
                                              "表\r\nC:\\表\\a.txt\r\n最小化 \r\n12\r\nx\r\n-5\r\n"));
    EXPECT_EQ(loaded.form, info::Form::Current);
    EXPECT_EQ(loaded.lineTotal, 18);
    EXPECT_EQ(loaded.showCount, 4);
    EXPECT_EQ(loaded.currentPage, 1);
    EXPECT_EQ(loaded.modeText, "OFF");
    EXPECT_EQ(loaded.optionText, "ON_D");
    ASSERT_EQ(loaded.entries.size(), 2u);
    EXPECT_EQ(Fields(loaded.entries[0]),
              (Lines{"メモ帳", "C:\\WINDOWS\\NOTEPAD.EXE", "最大化", "標準", "100", "120"}));
    // X and Y are taken over as text, unchecked.
    EXPECT_EQ(Fields(loaded.entries[1]), (Lines{"表", "C:\\表\\a.txt", "最小化 ", "12", "x", "-5"}));
    EXPECT_EQ(info::EntryCountFromLineTotal(loaded.form, loaded.lineTotal), 2);
}

TEST(InfoParse, OlderFormGetsComputedPositionsAndDefaultOptions) {
    const auto loaded = info::Parse(FileLines("12\n3\n0\nwhatever\n"
                                              "a\nC:\\a.exe\n通常のウインドウ\n標準\n"
                                              "b\nC:\\b\n最大化\n7\n"));
    EXPECT_EQ(loaded.form, info::Form::Older);
    ASSERT_EQ(loaded.entries.size(), 2u);
    EXPECT_EQ(Fields(loaded.entries[0]), (Lines{"a", "C:\\a.exe", "通常のウインドウ", "標準", "64", "64"}));
    EXPECT_EQ(Fields(loaded.entries[1]), (Lines{"b", "C:\\b", "最大化", "7", "74", "74"}));
    EXPECT_EQ(info::EntryCountFromLineTotal(loaded.form, loaded.lineTotal), 2);
    const auto options = info::ApplyTexts(loaded, {});
    EXPECT_TRUE(options.trayMode);
    EXPECT_TRUE(options.closeOnDeactivate);
    EXPECT_TRUE(options.singleClick);
}

TEST(InfoParse, UnreadableHeadersGiveDefaults) {
    const std::string cases[] = {
        "",                                  // empty file: older form, no number in line 0
        "DESKTOP \r\n6\r\n3\r\n0\r\nON\r\nON_S\r\n", // a blank after the marker is not the marker
        "desktop\r\n6\r\n3\r\n0\r\n",
        "DESKTOP\r\nsix\r\n3\r\n0\r\n",
        "DESKTOP\r\n6\r\n\r\n0\r\n",
        "DESKTOP\r\n6\r\n3\r\n",             // page line missing
        "12\r\n3\r\nzero\r\n",
        "DESKTOP",                           // no total at all
    };
    for (const auto& text : cases) {
        SCOPED_TRACE(testing::PrintToString(text));
        const auto loaded = info::Parse(FileLines(text));
        EXPECT_EQ(loaded.form, info::Form::Unreadable);
        EXPECT_EQ(loaded.showCount, 3);
        EXPECT_EQ(loaded.currentPage, 0);
        EXPECT_TRUE(loaded.entries.empty());
        EXPECT_EQ(info::EntryCountFromLineTotal(loaded.form, loaded.lineTotal), 0);
        const auto options = info::ApplyTexts(loaded, {false, false, false});
        EXPECT_FALSE(options.trayMode || options.closeOnDeactivate || options.singleClick)
            << "an unreadable file leaves the options as they were";
    }
}

TEST(InfoParse, ModeAndOptionTexts) {
    const struct {
        std::string mode, option;
        bool tray, close, single;
    } cases[] = {
        {"ON", "ON_S", true, true, true},     {"OFF", "ON_S", false, true, true},
        {"off", "ON_S", true, true, true},    {"", "", true, true, true},
        {"OFF ", "OFF_S", true, false, true}, {"ON", "OFF_D", true, false, false},
        {"ON", "ON_D", true, true, false},    {"ON", "on_d", true, true, true},
        {"ON", "OFF", true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode + "/" + c.option);
        const auto loaded = info::Parse(FileLines("DESKTOP\r\n6\r\n3\r\n0\r\n" + c.mode + "\r\n" + c.option + "\r\n"));
        ASSERT_EQ(loaded.form, info::Form::Current);
        const auto o = info::ApplyTexts(loaded, {});
        EXPECT_EQ(o.trayMode, c.tray);
        EXPECT_EQ(o.closeOnDeactivate, c.close);
        EXPECT_EQ(o.singleClick, c.single);
    }
}

TEST(InfoParse, LineTotalAgainstTheLinesThatExist) {
    const struct {
        std::string text;
        std::size_t entries;
        Lines last; // fields of the last entry
    } cases[] = {
        // total 6: no entries, whatever follows
        {"DESKTOP\r\n6\r\n3\r\n0\r\nON\r\nON_S\r\nx\r\np\r\n", 0, {}},
        // surplus lines past the total are ignored
        {"DESKTOP\r\n12\r\n3\r\n0\r\nON\r\nON_S\r\na\r\np\r\ns\r\nk\r\n1\r\n2\r\nb\r\nq\r\n", 1,
         {"a", "p", "s", "k", "1", "2"}},
        // a total larger than the file: the last entry's missing lines are empty, no entry past the end
        {"DESKTOP\r\n600\r\n3\r\n0\r\nON\r\nON_S\r\na\r\np\r\ns\r\nk\r\n1\r\n2\r\nb\r\nq\r\n", 2,
         {"b", "q", "", "", "", ""}},
        // a total that is not a multiple of six still takes a started entry
        {"DESKTOP\r\n7\r\n3\r\n0\r\nON\r\nON_S\r\na\r\n", 1, {"a", "", "", "", "", ""}},
        // negative total: nothing
        {"DESKTOP\r\n-6\r\n3\r\n0\r\nON\r\nON_S\r\na\r\n", 0, {}},
        {"1000\r\n3\r\n0\r\n\r\na\r\np\r\n", 1, {"a", "p", "", "", "64", "64"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const auto loaded = info::Parse(FileLines(c.text));
        ASSERT_EQ(loaded.entries.size(), c.entries);
        if (c.entries) {
            EXPECT_EQ(Fields(loaded.entries.back()), c.last);
        }
    }
}

TEST(InfoParse, OutOfRangeCountAndPageAreCorrected) {
    const struct {
        std::string count, page;
        int showCount, currentPage;
    } cases[] = {
        {"0", "0", 3, 0}, {"-4", "2", 3, 2}, {"5", "-1", 5, 0}, {"1", "99", 1, 99}, {"11", "0", 11, 0},
    };
    for (const auto& c : cases) {
        const auto loaded =
            info::Parse(FileLines("DESKTOP\r\n6\r\n" + c.count + "\r\n" + c.page + "\r\nON\r\nON_S\r\n"));
        EXPECT_EQ(loaded.showCount, c.showCount) << c.count;
        EXPECT_EQ(loaded.currentPage, c.currentPage) << c.page;
    }
}

TEST(InfoBuild, FirstStartWritesTheSixHeaderLines) {
    const auto text = ui::JoinLines(info::Build(3, 0, {}, {}));
    EXPECT_EQ(text, "DESKTOP\r\n6\r\n3\r\n0\r\nON\r\nON_S\r\n");
}

TEST(InfoBuild, OptionTexts) {
    const struct {
        info::Options options;
        std::string mode, option;
    } cases[] = {
        {{true, true, true}, "ON", "ON_S"},
        {{false, true, false}, "OFF", "ON_D"},
        {{true, false, true}, "ON", "OFF_S"},
        {{false, false, false}, "OFF", "OFF_D"},
    };
    for (const auto& c : cases) {
        const auto lines = info::Build(3, 0, c.options, {});
        EXPECT_EQ(lines[4], c.mode);
        EXPECT_EQ(lines[5], c.option);
        // and every combination reads back as written
        EXPECT_EQ(info::ApplyTexts(info::Parse(lines), {}).trayMode, c.options.trayMode);
        EXPECT_EQ(info::ApplyTexts(info::Parse(lines), {}).closeOnDeactivate, c.options.closeOnDeactivate);
        EXPECT_EQ(info::ApplyTexts(info::Parse(lines), {}).singleClick, c.options.singleClick);
    }
}

TEST(InfoBuild, RoundTripThroughTheFileText) {
    const std::vector<info::Row> rows = {
        {"メモ帳", "C:\\WINDOWS\\NOTEPAD.EXE", "通常のウインドウ", "標準", "64", "64"},
        {"", "", "最小化 ", "", "", ""},
        {"ソフト", "C:\\Program Files\\表\\x.exe", "最大化", "67", "-3", "2000"},
    };
    const auto text = ui::JoinLines(info::Build(2, 1, {false, false, true}, rows));
    const auto loaded = info::Parse(ui::SplitLines(text));
    EXPECT_EQ(loaded.form, info::Form::Current);
    EXPECT_EQ(loaded.showCount, 2);
    EXPECT_EQ(loaded.currentPage, 1);
    ASSERT_EQ(loaded.entries.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& r = rows[i];
        EXPECT_EQ(Fields(loaded.entries[i]), (Lines{r.name, r.path, r.show, r.kind, r.x, r.y}));
    }
    EXPECT_EQ(info::EntryCountFromLineTotal(loaded.form, loaded.lineTotal), 3);
}

TEST(InfoSetAside, NamesNeverRepeat) {
    EXPECT_EQ(info::SetAsideName("C:\\WINDOWS\\TaskWembo.inf", 1), "C:\\WINDOWS\\TaskWembo.inf.unread1");
    EXPECT_NE(info::SetAsideName("x", 1), info::SetAsideName("x", 2));
}

} // namespace
