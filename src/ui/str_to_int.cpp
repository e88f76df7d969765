#include "ui/str_to_int.h"

#include "ui/exception.h"

#include <charconv>
#include <string>

namespace ui {

int StrToInt(std::string_view text) {
    std::string_view rest = text;
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    long long value = 0;
    const char* end = rest.data() + rest.size();
    auto [stop, err] = std::from_chars(rest.data(), end, value);
    // from_chars would take a second sign; only digits may follow ours.
    bool digitsOnly = !rest.empty() && rest.front() >= '0' && rest.front() <= '9';
    if (!digitsOnly || err != std::errc() || stop != end) {
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    }
    if (negative) value = -value;
    if (value < -2147483648LL || value > 2147483647LL) {
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    }
    return static_cast<int>(value);
}

} // namespace ui
