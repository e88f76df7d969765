#include "launch/icon_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using launch::IconSource;

TEST(IconChoiceFor, StandardStockPictureOrRedX) {
    const struct {
        std::string kind;
        IconSource source;
        int stock;
    } cases[] = {
        {"標準", IconSource::Standard, -1},
        {"0", IconSource::Stock, 0},
        {"12", IconSource::Stock, 12},
        {"67", IconSource::Stock, 67},
        {" 7", IconSource::Stock, 7}, // the conversion allows leading blanks
        {"+7", IconSource::Stock, 7},
        {"68", IconSource::RedX, -1}, // no such picture
        {"-1", IconSource::RedX, -1},
        {"99999999999", IconSource::RedX, -1},
        {"abc", IconSource::RedX, -1},
        {"7 ", IconSource::RedX, -1},
        {"", IconSource::RedX, -1},
        {"標準 ", IconSource::RedX, -1},
        {"ひょうじゅん", IconSource::RedX, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("kind: '" + c.kind + "'");
        const launch::IconChoice choice = launch::IconChoiceFor(c.kind);
        EXPECT_EQ(choice.source, c.source);
        if (c.source == IconSource::Stock) {
            EXPECT_EQ(choice.stock, c.stock);
        }
    }
}

TEST(IconSourcePath, CutsAtTheFirstCarriageReturnAndRefusesWhatOverrunsTheBuffer) {
    const std::string long255 = "C:\\" + std::string(252, 'a');
    const struct {
        std::string path;
        std::optional<std::string> source;
    } cases[] = {
        {"C:\\表\\a.exe", "C:\\表\\a.exe"},
        {"C:\\a.exe\r\nC:\\b.exe", "C:\\a.exe"},
        {"C:\\a.exe\rrest", "C:\\a.exe"},
        {"\r\n", ""},
        {"", ""},
        {long255, long255},
        {long255 + "b", std::nullopt},
        {long255 + "\r", long255},
        {long255 + "b\r", std::nullopt},
        {std::string(300, 'a') + "\r", std::nullopt},
        {"C:\\a\r" + std::string(300, 'b'), "C:\\a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("path of " + std::to_string(c.path.size()) + " bytes");
        EXPECT_EQ(launch::IconSourcePath(c.path), c.source);
    }
}

} // namespace
