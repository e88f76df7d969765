// Line handling shared by the string list and the list items: the portable half of both.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Splits a text into lines. CR LF, a lone LF and a lone CR each end a line; a last line without
// an end is kept, an end at the very end of the text makes no extra empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Joins lines into a text with CR LF after every line, the last one included.
std::string JoinLines(const std::vector<std::string>& lines);

// Splits a text at its CR LF pairs into exactly `count` values: missing values are empty,
// values past `count` are dropped.
std::vector<std::string> SplitFields(std::string_view text, std::size_t count);

// Removes leading and trailing bytes below 33 (blanks and control characters).
std::string Trim(std::string_view text);

} // namespace ui
