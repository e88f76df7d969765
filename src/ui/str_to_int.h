#pragma once

#include <string_view>

namespace ui {

// Decimal text to a 32-bit integer, as the forms expect it: leading blanks and a sign are
// allowed, nothing after the digits. Raises EConvertError on anything else, the empty text and
// values outside the 32-bit range included.
int StrToInt(std::string_view text);

} // namespace ui
