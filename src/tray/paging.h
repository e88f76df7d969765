// The arithmetic of the tray's pages: how many there are, which entry a slot shows, where the
// paging idioms land, and what a typed display count means.
#pragma once

#include <string_view>

namespace tray {

// Notification icon identifiers. In desktop mode the single launcher icon takes the first one.
constexpr unsigned kPreviousPageIcon = 776;
constexpr unsigned kNextPageIcon = 777;
constexpr unsigned kFirstSlotIcon = 778;
constexpr unsigned kDesktopIcon = 776;

// Pages of `showCount` entries needed for `entries` entries; 0 entries give 0 pages.
// `showCount` is at least 1.
int PageCount(int entries, int showCount);

// The entry that slot `slot` of page `page` shows, or -1 when the slot is empty.
int SlotEntry(int page, int showCount, int slot, int entries);

// Where a step to the next page lands: the page after `currentPage` when it holds an entry,
// else page 0. A page before the first (the previous-page idiom on page 0) lands on page 0 too.
struct PageStep {
    int page;
    int first; // the entry shown in slot 0
};
PageStep NextPage(int currentPage, int showCount, int entries);

// The value the current page is set to before NextPage, for each way of paging.
constexpr int BeforePreviousPage(int currentPage) {
    return currentPage - 2;
}
constexpr int BeforeRefresh(int currentPage) {
    return currentPage - 1;
}
// `n` is the 1-based number of a page item.
constexpr int BeforeShowPage(int n) {
    return n - 2;
}

// A display count as typed: refused when it is no integer or below 1; counts above 10 are
// confirmed first.
struct ShowCountInput {
    bool valid = false;
    int value = 0;
    bool needsConfirmation = false;
};
ShowCountInput ReadShowCount(std::string_view text);

} // namespace tray
