// The decisions of launching an entry, apart from the calls that carry them out: which show
// command, which message, which way, which folder, how a command line is quoted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace launch {

// Show commands by their Win32 values; the normal state is SW_SHOW, not SW_SHOWNORMAL.
constexpr int kShowCommandNormal = 5;
constexpr int kShowCommandMaximized = 3;
constexpr int kShowCommandMinimized = 6;

// The path buffer the short path is made in: paths of up to 255 bytes and the terminator.
constexpr std::size_t kPathBufferSize = 256;

inline const std::string kPathMissingMessage = "パスが存在しません";
inline const std::string kExecErrorCaption = "実行エラー";
// MB_OK | MB_ICONHAND.
constexpr unsigned kExecErrorBoxFlags = 0x10;

// The show command for an entry's show state, by exact byte comparison; unknown texts minimise.
int ShowCommandFor(std::string_view showState);

// The message for a failed WinExec, empty when its result is not reported.
std::string WinExecMessage(unsigned result);

// WinExec's result for a program that started.
constexpr unsigned kWinExecStarted = 33;
// WinExec's result for a start that failed with the system error `error`: 0 when memory ran out,
// an error below 32 as itself, and any other (a file that is no program of this system) 11.
unsigned WinExecResultForError(unsigned long error);

// A-Z to a-z, leaving both bytes of every double-byte character alone.
std::string LowerAscii(std::string_view sjis);

enum class Way {
    Direct,      // the entry is the program: WinExec with its show state
    Association, // the associated program opens the entry's path
};

// Direct when the program string occurs, ignoring letter case, inside the short path.
Way ChooseWay(std::string_view shortPath, std::string_view program);

// The program string up to and including its last '\' or ':', empty when it has neither.
std::string FolderPart(std::string_view program);

// One command line argument: quoted when it holds a blank, unchanged when it has none or is
// quoted already.
std::string QuoteForCommandLine(std::string_view argument);

} // namespace launch
