#include "ui/sjis_cut.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CutAtCharBoundary, NeverSplitsADoubleByteCharacter) {
    const std::string kanji = "\x8a\xbf"; // 漢
    const std::string halfKana = "\xb1";  // ｱ, one byte
    const struct {
        const char* what;
        std::string text;
        std::size_t max;
        std::string cut;
    } cases[] = {
        {"short text unchanged", "メモ帳", 63, "メモ帳"},
        {"empty", "", 63, ""},
        {"ASCII cut at the limit", std::string(70, 'a'), 63, std::string(63, 'a')},
        {"exactly 63 bytes", std::string(63, 'a'), 63, std::string(63, 'a')},
        {"double-byte character ending at 63 kept", std::string(61, 'a') + kanji + "b", 63,
         std::string(61, 'a') + kanji},
        {"double-byte character across 63 dropped", std::string(62, 'a') + kanji, 63, std::string(62, 'a')},
        {"all double-byte: 31 characters",
         [&] {
             std::string s;
             for (int i = 0; i < 40; ++i)
                 s += kanji;
             return s;
         }(),
         63,
         [&] {
             std::string s;
             for (int i = 0; i < 31; ++i)
                 s += kanji;
             return s;
         }()},
        {"single-byte kana count one byte each", std::string(62, 'a') + halfKana + halfKana, 63,
         std::string(62, 'a') + halfKana},
        // The second byte of 表 is a backslash: it belongs to the character, not a cut point.
        {"trail byte in the ASCII range", std::string(61, 'a') + "\x95\x5c" + "x", 62, std::string(61, 'a')},
        {"lone lead byte at the end", "ab\x82", 63, "ab\x82"},
        {"zero limit", "abc", 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ui::CutAtCharBoundary(c.text, c.max), c.cut) << c.what;
    }
}

} // namespace
