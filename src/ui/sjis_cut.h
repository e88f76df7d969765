// Cutting Shift-JIS text to a byte limit, for the platform's fixed buffers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

// True for the first byte of a Shift-JIS double-byte character.
constexpr bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The longest head of `sjis` of at most `maxBytes` bytes that ends between two characters. A lead
// byte that ends the text counts as a character of its own.
std::string CutAtCharBoundary(std::string_view sjis, std::size_t maxBytes);

} // namespace ui
