// Any bytes as a shortcut file: the reader never reads outside them and always gives a path.
#include "launch/shortcut_target.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Copied so the sanitizer sees the exact end of the bytes.
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const launch::WideToSjis ascii = [](std::u16string_view w) -> std::optional<std::string> {
        std::string out;
        for (char16_t c : w) {
            if (c >= 0x80) return std::nullopt;
            out += static_cast<char>(c);
        }
        return out;
    };
    const std::string input = "C:\\x.lnk";
    const std::string target = launch::ShortcutTargetFromBytes(input, bytes, ascii);
    if (target.size() > bytes.size() && target != input) std::abort();
    return 0;
}
