// Any bytes as an information file: the reader never fails, and what it reads is written and
// read back to the same entries and options.
#include "registry/entry.h"
#include "registry/info_format.h"
#include "ui/text_lines.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = ui::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    const info::Loaded first = info::Parse(lines);
    if (first.entries.size() > lines.size()) std::abort();

    std::vector<info::Row> rows;
    for (const info::Entry& e : first.entries) {
        auto f = ui::SplitFields(e.block, entry::kSubItemCount);
        rows.push_back({e.name, f[0], f[1], f[2], f[3], f[4]});
    }
    const info::Options options = info::ApplyTexts(first, {});
    const auto written = info::Build(first.showCount, first.currentPage, options, rows);
    const info::Loaded second = info::Parse(ui::SplitLines(ui::JoinLines(written)));

    if (second.form != info::Form::Current || second.showCount != first.showCount ||
        second.currentPage != first.currentPage || second.entries.size() != first.entries.size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (second.entries[i].name != first.entries[i].name || second.entries[i].block != first.entries[i].block) {
            std::abort();
        }
    }
    const info::Options back = info::ApplyTexts(second, {});
    if (back.trayMode != options.trayMode || back.closeOnDeactivate != options.closeOnDeactivate ||
        back.singleClick != options.singleClick) {
        std::abort();
    }
    return 0;
}
