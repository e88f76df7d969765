// What an entry row holds and where its pictures live. The rows of the main form's list view
// are the master list; these are the values and slot numbers everybody agrees on.
#pragma once

#include <string>

namespace entry {

// Sub-items of a row, after the name in the caption.
enum SubItem { Path = 0, ShowState = 1, IconKind = 2, X = 3, Y = 4 };
constexpr int kSubItemCount = 5;

// Show states, in the order of the entry dialog's list. The minimised one ends in a blank.
inline const std::string kShowNormal = "通常のウインドウ";
inline const std::string kShowMaximized = "最大化";
inline const std::string kShowMinimized = "最小化 ";

// Icon kind of an entry that shows its own file's icon; other kinds are stock picture numbers.
inline const std::string kIconStandard = "標準";

// Fixed pictures at the head of both image lists; entry i owns slot kFirstEntrySlot + i.
enum FixedSlot { FolderSlot = 0, RedXSlot = 1, EmptySlot = 2, LeftArrowSlot = 3, RightArrowSlot = 4 };
constexpr int kFirstEntrySlot = 5;
// Every row shows this picture of the menu image list as its state image.
constexpr int kRowStateImage = 5;

// The five sub-items as one text, X and Y computed by the program.
std::string FormatBlock(const std::string& path, const std::string& show, const std::string& kind, int x,
                        int y);
// The five sub-items as one text, X and Y taken over as text.
std::string FormatBlock(const std::string& path, const std::string& show, const std::string& kind,
                        const std::string& x, const std::string& y);

} // namespace entry
