#include "tray/paging.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(PageCount, RoundsUpAndGivesNoPageForNoEntry) {
    const struct {
        int entries, showCount, pages;
    } cases[] = {
        {0, 3, 0},
        {1, 3, 1},
        {3, 3, 1},
        {4, 3, 2},
        {7, 3, 3},
        {7, 5, 2},
        {7, 1, 7},
        {7, 10, 1},
        {INT_MAX, 1, INT_MAX},
        {INT_MAX, INT_MAX, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tray::PageCount(c.entries, c.showCount), c.pages) << c.entries << " / " << c.showCount;
    }
}

TEST(SlotEntry, ShowsTheEntryOfThePageOrAnEmptySlot) {
    const struct {
        int page, showCount, slot, entries, entry;
    } cases[] = {
        {0, 3, 0, 7, 0},  {0, 3, 2, 7, 2},  {1, 3, 0, 7, 3},
        {2, 3, 0, 7, 6},  {2, 3, 1, 7, -1}, {2, 3, 2, 7, -1},
        {0, 3, 0, 0, -1}, {5, 3, 0, 7, -1},                                     // a page beyond the last
        {1, 5, 0, 7, 5},  {1, 5, 2, 7, -1}, {INT_MAX, INT_MAX, 0, INT_MAX, -1}, // no overflow
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tray::SlotEntry(c.page, c.showCount, c.slot, c.entries), c.entry)
            << "page " << c.page << " count " << c.showCount << " slot " << c.slot << " of " << c.entries;
    }
}

// Seven entries, three a page: pages 0, 1 and 2.
TEST(NextPage, StepsForwardAndWrapsToTheFirstPage) {
    const struct {
        int current, page, first;
    } cases[] = {
        {0, 1, 3},       {1, 2, 6}, {2, 0, 0}, // after the last comes the first
        {7, 0, 0},                             // a page beyond the last, kept from a larger count
        {-1, 0, 0},                            // refreshing page 0
        {-2, 0, 0},                            // the previous page of page 0: stays, no wrap to the last
        {INT_MAX, 0, 0},
    };
    for (const auto& c : cases) {
        const tray::PageStep step = tray::NextPage(c.current, 3, 7);
        EXPECT_EQ(step.page, c.page) << "from " << c.current;
        EXPECT_EQ(step.first, c.first) << "from " << c.current;
    }
    EXPECT_EQ(tray::NextPage(0, 3, 0).page, 0) << "no entries: always page 0";
    EXPECT_EQ(tray::NextPage(0, INT_MAX, INT_MAX).page, 0);
}

TEST(NextPage, IdiomsLandOnAnExistingPage) {
    auto previous = [](int page) { return tray::NextPage(tray::BeforePreviousPage(page), 3, 7).page; };
    auto refresh = [](int page) { return tray::NextPage(tray::BeforeRefresh(page), 3, 7).page; };
    auto show = [](int n) { return tray::NextPage(tray::BeforeShowPage(n), 3, 7).page; };
    const struct {
        const char* idiom;
        int result, expected;
    } cases[] = {
        {"previous from 2", previous(2), 1},
        {"previous from 1", previous(1), 0},
        {"previous from 0 stays", previous(0), 0},
        {"refresh 0", refresh(0), 0},
        {"refresh 2", refresh(2), 2},
        {"refresh beyond the last", refresh(5), 0},
        {"page item 1", show(1), 0},
        {"page item 3", show(3), 2},
        {"page item past the last", show(4), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, c.expected) << c.idiom;
}

TEST(ReadShowCount, RefusesNonNumbersAndCountsBelowOneAndConfirmsAboveTen) {
    const struct {
        const char* text;
        bool valid;
        int value;
        bool confirm;
    } cases[] = {
        {"3", true, 3, false},
        {"10", true, 10, false},
        {"11", true, 11, true},
        {" 1", true, 1, false},
        {"2147483647", true, 2147483647, true},
        {"0", false, 0, false},
        {"-4", false, -4, false},
        {"", false, 0, false},
        {"abc", false, 0, false},
        {"3 ", false, 0, false},
        {"1.5", false, 0, false},
        {"99999999999", false, 0, false},
        {"\x82\x52", false, 0, false}, // a full-width digit is no digit
    };
    for (const auto& c : cases) {
        const tray::ShowCountInput input = tray::ReadShowCount(c.text);
        EXPECT_EQ(input.valid, c.valid) << "'" << c.text << "'";
        if (c.valid) {
            EXPECT_EQ(input.value, c.value) << "'" << c.text << "'";
            EXPECT_EQ(input.needsConfirmation, c.confirm) << "'" << c.text << "'";
        }
    }
}

} // namespace
