#include "ui/sjis_cut.h"

namespace ui {

std::string CutAtCharBoundary(std::string_view sjis, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < sjis.size()) {
        const bool pair = IsShiftJisLeadByte(static_cast<unsigned char>(sjis[end])) && end + 1 < sjis.size();
        const std::size_t next = end + (pair ? 2 : 1);
        if (next > maxBytes) break;
        end = next;
    }
    return std::string(sjis.substr(0, end));
}

} // namespace ui
