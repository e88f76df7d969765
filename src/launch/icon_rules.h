// Which picture an entry's icon kind asks for, and which part of a path its icon comes from.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace launch {

// The entry dialog's stock pictures are numbered 0 to 67.
constexpr int kStockPictureCount = 68;

enum class IconSource {
    Standard, // the file's own icon, else the folder image, else its associated program's icon
    Stock,    // a stock picture
    RedX,     // the red-X image
};

struct IconChoice {
    IconSource source;
    int stock = -1; // the stock picture, for IconSource::Stock
};

// "標準" asks for the file's own icon, the decimal number of a stock picture for that picture, and
// anything else (other text, a number outside 0 to 67) for the red-X image.
IconChoice IconChoiceFor(std::string_view kind);

// The path an icon is extracted from: the path up to its first carriage return. Nothing when that
// is longer than 255 bytes, the most a path buffer of 256 bytes holds.
std::optional<std::string> IconSourcePath(std::string_view path);

} // namespace launch
