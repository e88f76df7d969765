#include "launch/shortcut_target.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace std::string_literals;

const std::string kInput = "C:\\Users\\a\\Desktop\\tool.lnk";

// The bytes in a heap block of exactly their size, so the sanitizer sees any read past the end.
class ExactBytes {
public:
    explicit ExactBytes(std::string_view bytes) : size_(bytes.size()), data_(new char[bytes.size()]) {
        if (size_ != 0) std::memcpy(data_.get(), bytes.data(), size_);
    }
    std::string_view view() const { return {data_.get(), size_}; }

private:
    std::size_t size_;
    std::unique_ptr<char[]> data_;
};

// Converts ASCII and a small table of kanji; anything else has no Shift-JIS form.
std::optional<std::string> TableToSjis(std::u16string_view wide) {
    std::string out;
    for (char16_t c : wide) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c == u'表') {
            out += "表";
        } else if (c == u'ソ') {
            out += "ソ";
        } else {
            return std::nullopt;
        }
    }
    return out;
}

std::string Target(std::string_view bytes, const launch::WideToSjis& toSjis = TableToSjis) {
    const ExactBytes exact(bytes);
    return launch::ShortcutTargetFromBytes(kInput, exact.view(), toSjis);
}

std::string Bytes(std::initializer_list<unsigned> values) {
    std::string out;
    for (unsigned v : values)
        out += static_cast<char>(v);
    return out;
}

// --- A small shell link writer --------------------------------------------------------------

void PutU16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8 & 0xFF);
}

void PutU32(std::string& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

void SetU32(std::string& out, std::size_t at, std::uint32_t v) {
    std::string le;
    PutU32(le, v);
    out.replace(at, 4, le);
}

std::string Wide(std::u16string_view text) {
    std::string out;
    for (char16_t c : text)
        PutU16(out, c);
    PutU16(out, 0);
    return out;
}

std::string Ansi(std::string_view text) {
    return std::string(text) + '\0';
}

struct LinkInfoParts {
    bool local = true;
    bool network = false;
    bool unicodeHeader = false; // header of 0x24 bytes with the two Unicode offsets
    std::optional<std::string> localBase = {};
    std::optional<std::u16string> localBaseWide = {};
    std::optional<std::string> suffix = "";
    std::optional<std::u16string> suffixWide = {};
    std::string netName = {};
};

std::string LinkInfo(const LinkInfoParts& p) {
    const std::uint32_t headerSize = p.unicodeHeader ? 0x24 : 0x1C;
    std::string body;
    std::uint32_t offsets[8] = {};
    // Appends a part and records where it starts; the header comes first.
    auto add = [&](int field, const std::string& part) {
        offsets[field] = headerSize + static_cast<std::uint32_t>(body.size());
        body += part;
    };
    if (p.local) {
        std::string volume;
        PutU32(volume, 0x11);       // VolumeIDSize
        PutU32(volume, 3);          // DriveType: fixed
        PutU32(volume, 0x12345678); // DriveSerialNumber
        PutU32(volume, 0x10);       // VolumeLabelOffset
        volume += '\0';
        add(0, volume);
        if (p.localBase) add(1, Ansi(*p.localBase));
    }
    if (p.network) {
        std::string link;
        PutU32(link, 0x14 + static_cast<std::uint32_t>(p.netName.size()) + 1);
        PutU32(link, 0);    // flags
        PutU32(link, 0x14); // NetNameOffset
        PutU32(link, 0);    // DeviceNameOffset
        PutU32(link, 0);    // NetworkProviderType
        link += Ansi(p.netName);
        add(2, link);
    }
    if (p.suffix) add(3, Ansi(*p.suffix));
    if (p.localBaseWide) add(4, Wide(*p.localBaseWide));
    if (p.suffixWide) add(5, Wide(*p.suffixWide));

    std::string info;
    PutU32(info, headerSize + static_cast<std::uint32_t>(body.size()));
    PutU32(info, headerSize);
    PutU32(info, (p.local ? 1u : 0u) | (p.network ? 2u : 0u));
    for (int field = 0; field < 4; ++field)
        PutU32(info, offsets[field]);
    if (p.unicodeHeader) {
        PutU32(info, offsets[4]);
        PutU32(info, offsets[5]);
    }
    return info + body;
}

// Header, optional IDList and LinkInfo, then string data that is full of zero pairs (a Unicode
// relative path) and the terminal block, as the shell writes them.
std::string ShellLink(const std::optional<std::string>& linkInfo,
                      const std::optional<std::string>& idList = {}) {
    std::string out;
    PutU32(out, 0x4C);
    out += Bytes(
        {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46});
    const std::uint32_t flags =
        (idList ? 0x01u : 0u) | (linkInfo ? 0x02u : 0u) | 0x08u | 0x80u; // + relative path, Unicode
    PutU32(out, flags);
    out.resize(0x4C, '\0'); // attributes, times, size, icon, show command, hot key: all zero
    if (idList) {
        PutU16(out, static_cast<std::uint32_t>(idList->size()));
        out += *idList;
    }
    if (linkInfo) out += *linkInfo;
    const std::u16string relative = u"..\\x\\y.exe";
    PutU16(out, static_cast<std::uint32_t>(relative.size()));
    for (char16_t c : relative)
        PutU16(out, c);
    PutU32(out, 0); // terminal block
    return out;
}

constexpr std::size_t kInfoAt = 0x4C; // LinkInfo of a link without IDList

// --- The backward scan ----------------------------------------------------------------------

TEST(ShortcutScan, TakesTheStringBeforeTheLastZeroPair) {
    const std::string path = Bytes({0x4C, 0, 0, 0, 0x01, 0}) + "C:\\X.EXE" + Bytes({0, 0, 0x0A, 0, 0x41});
    const std::string twoPairs =
        Bytes({0x4C, 0x01, 0, 0x02}) + "A:\\B" + Bytes({0, 0, 0x03, 0}) + "D:\\E" + Bytes({0, 0}) + "tail";
    const struct {
        const char* name;
        std::string bytes;
        std::string target;
    } cases[] = {
        {"empty", "", kInput},
        {"one byte L", "L", kInput},
        {"first byte not L", "C:\\Tools\\tool.exe\0\0"s, kInput},
        {"text file named .lnk", "l\0\0\0x:\\a.exe\0\0"s, kInput},
        {"4C 00 00 00 AA then zeros", Bytes({0x4C, 0, 0, 0, 0xAA, 0, 0, 0, 0}), ""},
        {"4C 00 00 00 only", Bytes({0x4C, 0, 0, 0}), ""},
        {"path before the last pair", path, "C:\\X.EXE"},
        {"trailing zeros change nothing", path + std::string(40, '\0'), "C:\\X.EXE"},
        {"three zeros give the empty string", Bytes({0x4C, 0, 0}) + "A.EXE" + Bytes({0, 0, 0}) + "B", ""},
        {"only the last pair counts", twoPairs, "D:\\E"},
        {"no zero pair", "LABC\0DEF\0GH"s, kInput},
        {"no second zero below the pair", "LABCDEF\0\0GH"s, kInput},
        {"L and one zero", Bytes({0x4C, 0}), kInput},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Target(c.bytes), c.target);
    }
}

TEST(ShortcutScan, LooksOnlyAtTheFirst2000Bytes) {
    std::string bytes = Bytes({0x4C, 0, 0, 0, 0x01, 0}) + "C:\\X.EXE" + Bytes({0, 0, 0x0A, 0, 0x41});
    bytes.resize(launch::kScanLimit, 'A');
    bytes += Bytes({0}) + "D:\\LATER.EXE" + Bytes({0, 0, 0x41});
    EXPECT_EQ(Target(bytes), "C:\\X.EXE");
}

// --- The shell link structure ---------------------------------------------------------------

TEST(ShellLinkTarget, ReadsTheFileSystemTarget) {
    const std::string idList =
        Bytes({0x14, 0, 0x1F, 0x50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const launch::WideToSjis asciiOnly = [](std::u16string_view wide) -> std::optional<std::string> {
        std::string out;
        for (char16_t c : wide) {
            if (c >= 0x80) return std::nullopt;
            out += static_cast<char>(c);
        }
        return out;
    };
    const struct {
        const char* name;
        std::string bytes;
        std::string target;
        launch::WideToSjis toSjis = TableToSjis;
    } cases[] = {
        {"local path", ShellLink(LinkInfo({.localBase = "C:\\Tools\\app.exe"})), "C:\\Tools\\app.exe"},
        {"behind an IDList", ShellLink(LinkInfo({.localBase = "C:\\Tools\\app.exe"}), idList),
         "C:\\Tools\\app.exe"},
        {"base and suffix", ShellLink(LinkInfo({.localBase = "C:\\Tools\\", .suffix = "app.exe"})),
         "C:\\Tools\\app.exe"},
        {"Shift-JIS local path", ShellLink(LinkInfo({.localBase = "C:\\表\\ソフト.exe"})),
         "C:\\表\\ソフト.exe"},
        {"Unicode path preferred",
         ShellLink(LinkInfo(
             {.unicodeHeader = true, .localBase = "C:\\?\\a.exe", .localBaseWide = u"C:\\表\\a.exe"})),
         "C:\\表\\a.exe"},
        {"Unicode path and suffix",
         ShellLink(LinkInfo({.unicodeHeader = true,
                             .localBase = "C:\\?\\",
                             .localBaseWide = u"C:\\ソ\\",
                             .suffix = "?.exe",
                             .suffixWide = u"表.exe"})),
         "C:\\ソ\\表.exe"},
        {"Unicode path without ANSI one",
         ShellLink(LinkInfo({.unicodeHeader = true, .localBaseWide = u"C:\\Tools\\app.exe"})),
         "C:\\Tools\\app.exe"},
        {"no Shift-JIS form: ANSI path",
         ShellLink(
             LinkInfo({.unicodeHeader = true, .localBase = "C:\\e.exe", .localBaseWide = u"C:\\é.exe"})),
         "C:\\e.exe"},
        {"no Shift-JIS form and no ANSI path",
         ShellLink(LinkInfo({.unicodeHeader = true, .localBaseWide = u"C:\\é.exe"})), kInput},
        {"converter that knows no kanji",
         ShellLink(
             LinkInfo({.unicodeHeader = true, .localBase = "C:\\?.exe", .localBaseWide = u"C:\\表.exe"})),
         "C:\\?.exe", asciiOnly},
        {"no converter",
         ShellLink(
             LinkInfo({.unicodeHeader = true, .localBase = "C:\\a.exe", .localBaseWide = u"C:\\b.exe"})),
         "C:\\a.exe", nullptr},
        {"network share and suffix",
         ShellLink(LinkInfo(
             {.local = false, .network = true, .suffix = "dir\\a.exe", .netName = "\\\\server\\share"})),
         "\\\\server\\share\\dir\\a.exe"},
        {"network share ending in a backslash",
         ShellLink(LinkInfo(
             {.local = false, .network = true, .suffix = "a.exe", .netName = "\\\\server\\share\\"})),
         "\\\\server\\share\\a.exe"},
        {"network suffix starting with a backslash",
         ShellLink(LinkInfo(
             {.local = false, .network = true, .suffix = "\\a.exe", .netName = "\\\\server\\share"})),
         "\\\\server\\share\\a.exe"},
        {"network share alone",
         ShellLink(LinkInfo({.local = false, .network = true, .suffix = "", .netName = "\\\\server\\share"})),
         "\\\\server\\share"},
        {"network share ending in 表, whose second byte is 5C",
         ShellLink(LinkInfo({.local = false, .network = true, .suffix = "a.exe", .netName = "\\\\srv\\表"})),
         "\\\\srv\\表\\a.exe"},
        {"local path before network share",
         ShellLink(LinkInfo(
             {.network = true, .localBase = "C:\\a.exe", .suffix = "", .netName = "\\\\server\\share"})),
         "C:\\a.exe"},
        {"no LinkInfo", ShellLink(std::nullopt), kInput},
        {"LinkInfo with neither flag", ShellLink(LinkInfo({.local = false})), kInput},
        {"empty local path", ShellLink(LinkInfo({.localBase = ""})), kInput},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(launch::ReadShellLinkTarget(ExactBytes(c.bytes).view(), c.toSjis).parsed);
        EXPECT_EQ(Target(c.bytes, c.toSjis), c.target);
    }
}

TEST(ShellLinkTarget, DamagedLinksDoNotParse) {
    const std::string good = ShellLink(LinkInfo({.local = true,
                                                 .network = true,
                                                 .unicodeHeader = true,
                                                 .localBase = "C:\\a.exe",
                                                 .localBaseWide = u"C:\\a.exe",
                                                 .suffix = "",
                                                 .netName = "\\\\server\\share"}));
    ASSERT_EQ(Target(good), "C:\\a.exe");
    const std::uint32_t infoSize = static_cast<unsigned char>(good[kInfoAt]); // below 256 here

    const struct {
        const char* name;
        std::size_t at; // the 32-bit field overwritten
        std::uint32_t value;
    } cases[] = {
        {"header size", 0, 0x4D},
        {"class id", 4, 0x00021402},
        {"LinkInfoSize past the end", kInfoAt, 0x1000},
        {"LinkInfoSize huge", kInfoAt, 0xFFFFFFFF},
        {"LinkInfoSize smaller than its header", kInfoAt, 0x10},
        {"LinkInfoSize cutting the last string", kInfoAt, infoSize - 1},
        {"header size past LinkInfoSize", kInfoAt + 0x04, infoSize + 1},
        {"header size below 0x1C", kInfoAt + 0x04, 0x18},
        {"VolumeID offset in the header", kInfoAt + 0x0C, 0x08},
        {"VolumeID offset past the end", kInfoAt + 0x0C, infoSize},
        {"VolumeID offset huge", kInfoAt + 0x0C, 0xFFFFFFF0},
        {"local base path offset in the header", kInfoAt + 0x10, 0x04},
        {"local base path offset past the end", kInfoAt + 0x10, infoSize},
        {"local base path offset huge", kInfoAt + 0x10, 0xFFFFFFFF},
        {"suffix offset past the end", kInfoAt + 0x18, infoSize + 100},
        {"Unicode path offset on the last byte", kInfoAt + 0x1C, infoSize - 1},
        {"Unicode path offset huge", kInfoAt + 0x1C, 0xFFFFFFFE},
        {"Unicode suffix offset past the end", kInfoAt + 0x20, infoSize + 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = good;
        SetU32(bytes, c.at, c.value);
        EXPECT_FALSE(launch::ReadShellLinkTarget(ExactBytes(bytes).view(), TableToSjis).parsed);
        Target(bytes); // the scan that follows must not read out of bounds either
    }
}

TEST(ShellLinkTarget, DamagedNetworkLinksDoNotParse) {
    const std::string info =
        LinkInfo({.local = false, .network = true, .suffix = "a", .netName = "\\\\s\\t"});
    const std::uint32_t linkAt = 0x1C;
    const std::uint32_t linkSize = 0x14 + 6;
    const struct {
        const char* name;
        std::size_t at; // inside LinkInfo
        std::uint32_t value;
    } cases[] = {
        {"link offset missing", 0x14, 0},
        {"link offset past the end", 0x14, static_cast<std::uint32_t>(info.size())},
        {"link size past LinkInfo", linkAt, linkSize + 3},
        {"link size below its header", linkAt, 0x10},
        {"NetName offset past the link", linkAt + 0x08, linkSize},
        {"NetName offset in the header", linkAt + 0x08, 0x04},
        {"link size cutting its NetName", linkAt, linkSize - 1},
    };
    ASSERT_EQ(Target(ShellLink(info)), "\\\\s\\t\\a");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string damaged = info;
        SetU32(damaged, c.at, c.value);
        const std::string bytes = ShellLink(damaged);
        EXPECT_FALSE(launch::ReadShellLinkTarget(ExactBytes(bytes).view(), TableToSjis).parsed);
        Target(bytes);
    }
}

TEST(ShellLinkTarget, IdListPastTheEndDoesNotParse) {
    // Without LinkInfo nothing after the IDList is read, so its own size has to be checked.
    for (const auto& linkInfo :
         {std::optional<std::string>(LinkInfo({.localBase = "C:\\a.exe"})), std::optional<std::string>()}) {
        std::string bytes = ShellLink(linkInfo, std::string(6, '\x01'));
        bytes[0x4C] = static_cast<char>(0xFF);
        bytes[0x4D] = static_cast<char>(0xFF);
        EXPECT_FALSE(launch::ReadShellLinkTarget(ExactBytes(bytes).view(), TableToSjis).parsed);
        Target(bytes);
    }
}

TEST(ShellLinkTarget, EveryTruncationIsSafe) {
    const std::string link = ShellLink(LinkInfo({.network = true,
                                                 .unicodeHeader = true,
                                                 .localBase = "C:\\?.exe",
                                                 .localBaseWide = u"C:\\表.exe",
                                                 .suffix = "",
                                                 .suffixWide = u"",
                                                 .netName = "\\\\server\\share"}),
                                       std::string(10, '\0'));
    const std::size_t infoEnd = 0x4C + 2 + 10 + static_cast<unsigned char>(link[0x4C + 2 + 10]);
    for (std::size_t size = 0; size <= link.size(); ++size) {
        SCOPED_TRACE("size " + std::to_string(size));
        const ExactBytes exact(link.substr(0, size));
        const bool parsed = launch::ReadShellLinkTarget(exact.view(), TableToSjis).parsed;
        EXPECT_EQ(parsed, size >= infoEnd);
        const std::string target = launch::ShortcutTargetFromBytes(kInput, exact.view(), TableToSjis);
        if (parsed) {
            EXPECT_EQ(target, "C:\\表.exe");
        }
    }
}

} // namespace
