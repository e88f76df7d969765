#include "ui/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, AcceptsEveryLineEnd) {
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}}, // LF then CR is two ends
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\rb\nc\r\nd", {"a", "b", "c", "d"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(ui::SplitLines(c.text), c.lines);
    }
}

TEST(JoinLines, EndsEveryLineWithCrLf) {
    EXPECT_EQ(ui::JoinLines({}), "");
    EXPECT_EQ(ui::JoinLines({""}), "\r\n");
    EXPECT_EQ(ui::JoinLines({"DESKTOP", "6"}), "DESKTOP\r\n6\r\n");
    const Lines lines = {"登録名", "", "表示"};
    EXPECT_EQ(ui::SplitLines(ui::JoinLines(lines)), lines);
}

TEST(SplitFields, GivesExactlyTheCountAskedFor) {
    const struct {
        std::string text;
        Lines fields;
    } cases[] = {
        {"a\r\nb\r\nc\r\n1\r\n2", {"a", "b", "c", "1", "2"}},
        {"\r\n\r\n\r\n\r\n", {"", "", "", "", ""}},
        {"a\r\n\r\n標準\r\n\r\n", {"a", "", "標準", "", ""}},
        {"", {"", "", "", "", ""}},
        {"a", {"a", "", "", "", ""}},
        {"a\r\nb\r\nc\r\nd\r\ne\r\nf", {"a", "b", "c", "d", "e"}},
        {"a\rb\nc", {"a\rb\nc", "", "", "", ""}}, // only CR LF separates
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(ui::SplitFields(c.text, 5), c.fields);
    }
}

TEST(Trim, RemovesBlanksAndControlBytesAtBothEnds) {
    EXPECT_EQ(ui::Trim("  C:\\WINDOWS \t\r\n"), "C:\\WINDOWS");
    EXPECT_EQ(ui::Trim("\x01\x1f"), "");
    EXPECT_EQ(ui::Trim("a b"), "a b");
    EXPECT_EQ(ui::Trim("\x81\x40"), "\x81\x40"); // a double-byte blank is not trimmed
}

} // namespace
