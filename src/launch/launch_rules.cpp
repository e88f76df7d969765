#include "launch/launch_rules.h"
#include "ui/sjis_cut.h"

#include "registry/entry.h"

namespace launch {
namespace {

// Calls f(index) for the first byte of every character, single or double.
template <typename F> void ForEachCharacter(std::string_view sjis, F f) {
    for (std::size_t i = 0; i < sjis.size(); ++i) {
        f(i);
        if (ui::IsShiftJisLeadByte(static_cast<unsigned char>(sjis[i]))) ++i;
    }
}

} // namespace

int ShowCommandFor(std::string_view showState) {
    if (showState == entry::kShowNormal) return kShowCommandNormal;
    if (showState == entry::kShowMaximized) return kShowCommandMaximized;
    return kShowCommandMinimized;
}

std::string WinExecMessage(unsigned result) {
    switch (result) {
    case 0:
        return "メモリー不足の為実行できません";
    case 2:
        return "ファイルが見つかりません。削除された可能性があります。";
    case 3:
        return "パスが見つかりませんでした。";
    case 11:
        return "実行可能ファイルではありません。";
    default:
        return {};
    }
}

unsigned WinExecResultForError(unsigned long error) {
    constexpr unsigned long kNotEnoughMemory = 8, kOutOfMemory = 14, kBadFormat = 11, kFirstNonDosError = 32;
    if (error == kNotEnoughMemory || error == kOutOfMemory) return 0;
    if (error < kFirstNonDosError) return static_cast<unsigned>(error);
    return kBadFormat;
}

std::string LowerAscii(std::string_view sjis) {
    std::string lowered(sjis);
    ForEachCharacter(sjis, [&](std::size_t i) {
        if (lowered[i] >= 'A' && lowered[i] <= 'Z') lowered[i] = static_cast<char>(lowered[i] - 'A' + 'a');
    });
    return lowered;
}

Way ChooseWay(std::string_view shortPath, std::string_view program) {
    if (program.empty()) return Way::Association;
    return LowerAscii(shortPath).find(LowerAscii(program)) != std::string::npos ? Way::Direct
                                                                                : Way::Association;
}

std::string FolderPart(std::string_view program) {
    std::size_t end = 0;
    ForEachCharacter(program, [&](std::size_t i) {
        if (program[i] == '\\' || program[i] == ':') end = i + 1;
    });
    return std::string(program.substr(0, end));
}

std::string QuoteForCommandLine(std::string_view argument) {
    const bool quoted = argument.size() >= 2 && argument.front() == '"' && argument.back() == '"';
    if (quoted || argument.find(' ') == std::string_view::npos) return std::string(argument);
    // Backslashes right before the closing quote would escape it: double them. A 0x5C that is the
    // second byte of a double-byte character is no backslash.
    std::size_t trailing = 0;
    ForEachCharacter(argument, [&](std::size_t i) { trailing = argument[i] == '\\' ? trailing + 1 : 0; });
    return '"' + std::string(argument) + std::string(trailing, '\\') + '"';
}

} // namespace launch
