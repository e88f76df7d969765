// The shortcut target reader without the file: what the bytes of a shortcut say its target is.
// The caller reads the file (at most 64 KiB) and passes its start.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace launch {

// UTF-16 to Shift-JIS; nothing when a character has no Shift-JIS form.
using WideToSjis = std::function<std::optional<std::string>(std::u16string_view)>;

// The backward scan looks at no more than the first this many bytes.
constexpr std::size_t kScanLimit = 2000;

// The target path the bytes of a shortcut name, or inputPath when they name none. A consistent
// shell link is read by its structure; anything else starting with 'L' by the backward scan.
// An empty converter counts as one that converts nothing.
std::string ShortcutTargetFromBytes(const std::string& inputPath, std::string_view bytes,
                                    const WideToSjis& toSjis);

struct ShellLinkTarget {
    bool parsed = false;             // false: not a consistent shell link
    std::optional<std::string> path; // none: a link without a file system target, the shell opens it
};

// The file system target of a shell link: the local base path, or else the network share, joined
// with the common path suffix. Unicode strings are preferred when they convert.
ShellLinkTarget ReadShellLinkTarget(std::string_view bytes, const WideToSjis& toSjis);

// The backward scan over the first kScanLimit bytes: the zero-terminated string before the last pair
// of zero bytes. Nothing when the first byte is not 'L', there are fewer than two bytes, or the
// scan meets no second zero.
std::optional<std::string> ScanShortcutTarget(std::string_view bytes);

} // namespace launch
