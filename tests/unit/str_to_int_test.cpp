#include "ui/exception.h"
#include "ui/str_to_int.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct Case {
    std::string text;
    std::optional<int> value; // nullopt: must raise
};

TEST(StrToInt, ConvertsDecimalAndRaisesOnAnythingElse) {
    const Case cases[] = {
        {"0", 0},
        {"42", 42},
        {"-7", -7},
        {"+5", 5},
        {"  12", 12},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"12 ", std::nullopt},
        {"1.5", std::nullopt},
        {"--3", std::nullopt},
        {"+-3", std::nullopt},
        {"-", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"３", std::nullopt}, // full-width digit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: '" + c.text + "'");
        if (c.value) {
            EXPECT_EQ(ui::StrToInt(c.text), *c.value);
        } else {
            EXPECT_THROW(ui::StrToInt(c.text), ui::EConvertError);
        }
    }
}

} // namespace
