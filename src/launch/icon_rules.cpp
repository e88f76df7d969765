#include "launch/icon_rules.h"

#include "registry/entry.h"
#include "ui/exception.h"
#include "ui/str_to_int.h"

namespace launch {

namespace {
constexpr std::size_t kLongestPath = 255;
}

IconChoice IconChoiceFor(std::string_view kind) {
    if (kind == entry::kIconStandard) return {IconSource::Standard};
    try {
        const int n = ui::StrToInt(kind);
        if (n >= 0 && n < kStockPictureCount) return {IconSource::Stock, n};
    } catch (const ui::EConvertError&) {
    }
    return {IconSource::RedX};
}

std::optional<std::string> IconSourcePath(std::string_view path) {
    path = path.substr(0, path.find('\r'));
    if (path.size() > kLongestPath) return std::nullopt;
    return std::string(path);
}

} // namespace launch
