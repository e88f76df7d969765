#include "tray/paging.h"

#include "ui/exception.h"
#include "ui/str_to_int.h"

namespace tray {

// Counts and pages come from the information file; products are taken in 64 bits so that no
// stored value can overflow them.

int PageCount(int entries, int showCount) {
    if (entries <= 0 || showCount < 1) return 0;
    return entries / showCount + (entries % showCount != 0 ? 1 : 0);
}

int SlotEntry(int page, int showCount, int slot, int entries) {
    const long long k = static_cast<long long>(page) * showCount + slot;
    return k >= 0 && k < entries ? static_cast<int>(k) : -1;
}

PageStep NextPage(int currentPage, int showCount, int entries) {
    const long long b = (static_cast<long long>(currentPage) + 1) * showCount;
    if (b < entries && b >= 0) return {currentPage + 1, static_cast<int>(b)};
    return {0, 0};
}

ShowCountInput ReadShowCount(std::string_view text) {
    ShowCountInput input;
    try {
        input.value = ui::StrToInt(text);
    } catch (const ui::EConvertError&) {
        return input;
    }
    input.valid = input.value >= 1;
    input.needsConfirmation = input.value > 10;
    return input;
}

} // namespace tray
