#include "launch/shortcut_target.h"

#include "launch/launch_rules.h"
#include "ui/sjis_cut.h"

#include <cstdint>

namespace launch {
namespace {

constexpr std::uint32_t kLinkHeaderSize = 0x4C;
constexpr std::string_view kLinkClassId{"\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46",
                                        16};
constexpr std::size_t kLinkFlagsAt = 0x14;
constexpr std::uint32_t kHasLinkTargetIdList = 0x1;
constexpr std::uint32_t kHasLinkInfo = 0x2;

constexpr std::uint32_t kLinkInfoMinHeader = 0x1C;
constexpr std::uint32_t kLinkInfoUnicodeHeader = 0x24;
constexpr std::uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr std::uint32_t kCommonNetworkRelativeLink = 0x2;
constexpr std::uint32_t kVolumeIdMinSize = 0x10;
constexpr std::uint32_t kNetworkLinkMinHeader = 0x14;
constexpr std::uint32_t kNetworkLinkUnicodeHeader = 0x1C;

std::optional<std::uint32_t> ReadU16(std::string_view b, std::size_t at) {
    if (at > b.size() || b.size() - at < 2) return std::nullopt;
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

std::optional<std::uint32_t> ReadU32(std::string_view b, std::size_t at) {
    const auto low = ReadU16(b, at);
    const auto high = ReadU16(b, at + 2);
    if (!low || !high) return std::nullopt;
    return *low | *high << 16;
}

// A sub-structure that starts with its own 32-bit size, which must cover at least minSize bytes
// and end inside `outer`.
std::optional<std::string_view> SizedBlock(std::string_view outer, std::size_t at, std::uint32_t minSize) {
    const auto size = ReadU32(outer, at);
    if (!size || *size < minSize || *size > outer.size() - at) return std::nullopt;
    return outer.substr(at, *size);
}

// A string of a structure, in its ANSI and Unicode forms; either may be absent.
struct TwoForms {
    std::optional<std::string> ansi;
    std::optional<std::u16string> wide;
};

// Offset zero marks an absent string. A present one lies past the structure's header and ends
// inside the structure; false when it does not.
bool ReadAnsi(std::string_view block, std::uint32_t offset, std::uint32_t headerSize,
              std::optional<std::string>& out) {
    if (offset == 0) return true;
    if (offset < headerSize || offset >= block.size()) return false;
    const std::size_t end = block.find('\0', offset);
    if (end == std::string_view::npos) return false;
    out = std::string(block.substr(offset, end - offset));
    return true;
}

bool ReadWide(std::string_view block, std::uint32_t offset, std::uint32_t headerSize,
              std::optional<std::u16string>& out) {
    if (offset == 0) return true;
    if (offset < headerSize) return false;
    std::u16string text;
    for (std::size_t at = offset;; at += 2) {
        const auto c = ReadU16(block, at);
        if (!c) return false;
        if (*c == 0) break;
        text.push_back(static_cast<char16_t>(*c));
    }
    out = std::move(text);
    return true;
}

std::optional<TwoForms> ReadTwoForms(std::string_view block, std::uint32_t ansiOffset,
                                     std::uint32_t wideOffset, std::uint32_t headerSize) {
    TwoForms forms;
    if (!ReadAnsi(block, ansiOffset, headerSize, forms.ansi) ||
        !ReadWide(block, wideOffset, headerSize, forms.wide))
        return std::nullopt;
    return forms;
}

// The Unicode form when it converts, else the ANSI form (taken as Shift-JIS).
std::optional<std::string> Pick(const TwoForms& forms, const WideToSjis& toSjis) {
    if (forms.wide && toSjis) {
        if (auto converted = toSjis(*forms.wide)) return converted;
    }
    return forms.ansi;
}

bool EndsWithBackslash(std::string_view sjis) {
    bool backslash = false;
    for (std::size_t i = 0; i < sjis.size(); ++i) {
        backslash = sjis[i] == '\\';
        if (ui::IsShiftJisLeadByte(static_cast<unsigned char>(sjis[i]))) ++i;
    }
    return backslash;
}

std::string JoinPath(std::string base, std::string_view suffix) {
    if (!base.empty() && !suffix.empty() && !EndsWithBackslash(base) && suffix.front() != '\\') base += '\\';
    base += suffix;
    return base;
}

// The NetName of a CommonNetworkRelativeLink; nothing (and parsed false) when it is inconsistent.
std::optional<TwoForms> ReadNetName(std::string_view info, std::uint32_t offset,
                                    std::uint32_t infoHeaderSize) {
    if (offset < infoHeaderSize) return std::nullopt;
    const auto link = SizedBlock(info, offset, kNetworkLinkMinHeader);
    if (!link) return std::nullopt;
    const std::uint32_t netNameOffset = *ReadU32(*link, 0x08);
    // A NetNameOffset past the basic header announces the two Unicode offsets after it.
    const bool hasUnicode = netNameOffset > kNetworkLinkMinHeader;
    const std::uint32_t headerSize = hasUnicode ? kNetworkLinkUnicodeHeader : kNetworkLinkMinHeader;
    if (link->size() < headerSize) return std::nullopt;
    const std::uint32_t netNameOffsetUnicode = hasUnicode ? *ReadU32(*link, 0x14) : 0;
    return ReadTwoForms(*link, netNameOffset, netNameOffsetUnicode, headerSize);
}

ShellLinkTarget FromLinkInfo(std::string_view bytes, std::size_t at, const WideToSjis& toSjis) {
    const auto info = SizedBlock(bytes, at, kLinkInfoMinHeader);
    if (!info) return {};
    // Every header field below lies within kLinkInfoMinHeader bytes, or kLinkInfoUnicodeHeader ones.
    const std::uint32_t headerSize = *ReadU32(*info, 0x04);
    if (headerSize < kLinkInfoMinHeader || headerSize > info->size()) return {};
    const std::uint32_t flags = *ReadU32(*info, 0x08);
    const std::uint32_t volumeIdOffset = *ReadU32(*info, 0x0C);
    const std::uint32_t localBaseOffset = *ReadU32(*info, 0x10);
    const std::uint32_t networkLinkOffset = *ReadU32(*info, 0x14);
    const std::uint32_t suffixOffset = *ReadU32(*info, 0x18);
    const bool hasUnicode = headerSize >= kLinkInfoUnicodeHeader;
    const std::uint32_t localBaseOffsetUnicode = hasUnicode ? *ReadU32(*info, 0x1C) : 0;
    const std::uint32_t suffixOffsetUnicode = hasUnicode ? *ReadU32(*info, 0x20) : 0;

    const bool local = flags & kVolumeIdAndLocalBasePath;
    const bool network = flags & kCommonNetworkRelativeLink;
    if (!local && !network) return {true, std::nullopt};

    std::optional<TwoForms> base;
    if (local) {
        if (volumeIdOffset < headerSize || !SizedBlock(*info, volumeIdOffset, kVolumeIdMinSize)) return {};
        base = ReadTwoForms(*info, localBaseOffset, localBaseOffsetUnicode, headerSize);
    } else {
        base = ReadNetName(*info, networkLinkOffset, headerSize);
    }
    const auto suffix = ReadTwoForms(*info, suffixOffset, suffixOffsetUnicode, headerSize);
    if (!base || !suffix) return {};

    ShellLinkTarget target{true, std::nullopt};
    const auto basePath = Pick(*base, toSjis);
    const auto suffixPath = suffix->ansi || suffix->wide ? Pick(*suffix, toSjis) : std::string();
    if (!basePath || !suffixPath) return target;
    std::string path = JoinPath(*basePath, *suffixPath);
    if (!path.empty()) target.path = std::move(path);
    return target;
}

} // namespace

ShellLinkTarget ReadShellLinkTarget(std::string_view bytes, const WideToSjis& toSjis) {
    if (bytes.size() < kLinkHeaderSize || *ReadU32(bytes, 0) != kLinkHeaderSize ||
        bytes.substr(4, kLinkClassId.size()) != kLinkClassId)
        return {};
    const std::uint32_t flags = *ReadU32(bytes, kLinkFlagsAt);
    std::size_t at = kLinkHeaderSize;
    if (flags & kHasLinkTargetIdList) {
        const auto idListSize = ReadU16(bytes, at);
        if (!idListSize || *idListSize > bytes.size() - at - 2) return {};
        at += 2 + *idListSize;
    }
    if (!(flags & kHasLinkInfo)) return {true, std::nullopt};
    return FromLinkInfo(bytes, at, toSjis);
}

std::optional<std::string> ScanShortcutTarget(std::string_view bytes) {
    const std::string_view data = bytes.substr(0, kScanLimit);
    if (data.size() < 2 || data[0] != 'L') return std::nullopt;

    std::size_t last = data.size() - 1;
    for (std::size_t i = data.size() - 1; i >= 1; --i) {
        if (data[i] != '\0') {
            last = i;
            break;
        }
    }
    bool pair = false;
    int zeros = 0;
    for (std::size_t i = last; i >= 1; --i) {
        const bool zero = data[i] == '\0';
        if (zero && pair) ++zeros;
        if (zero && data[i - 1] == '\0') pair = true;
        if (zeros == 2) {
            const std::string_view rest = data.substr(i + 1);
            return std::string(rest.substr(0, rest.find('\0')));
        }
    }
    // No second zero: the buffer would hold the file's own first bytes, which name no target.
    return std::nullopt;
}

std::string ShortcutTargetFromBytes(const std::string& inputPath, std::string_view bytes,
                                    const WideToSjis& toSjis) {
    const ShellLinkTarget link = ReadShellLinkTarget(bytes, toSjis);
    if (link.parsed) return link.path.value_or(inputPath);
    return ScanShortcutTarget(bytes).value_or(inputPath);
}

} // namespace launch
