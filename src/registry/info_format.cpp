#include "registry/info_format.h"

#include "registry/entry.h"
#include "ui/exception.h"
#include "ui/str_to_int.h"

namespace info {
namespace {

const std::string& LineAt(const std::vector<std::string>& lines, int i) {
    static const std::string empty;
    return i >= 0 && static_cast<std::size_t>(i) < lines.size() ? lines[i] : empty;
}

} // namespace

Loaded Parse(const std::vector<std::string>& lines) {
    Loaded loaded;
    int first = 0;
    try {
        if (LineAt(lines, 0) == kMarker) {
            loaded.form = Form::Current;
            loaded.lineTotal = ui::StrToInt(LineAt(lines, 1));
            loaded.showCount = ui::StrToInt(LineAt(lines, 2));
            loaded.currentPage = ui::StrToInt(LineAt(lines, 3));
            loaded.modeText = LineAt(lines, 4);
            loaded.optionText = LineAt(lines, 5);
            first = kHeaderLines;
        } else {
            loaded.form = Form::Older;
            loaded.lineTotal = ui::StrToInt(LineAt(lines, 0));
            loaded.showCount = ui::StrToInt(LineAt(lines, 1));
            loaded.currentPage = ui::StrToInt(LineAt(lines, 2));
            loaded.optionText = "OFF";
            first = 4;
        }
    } catch (const ui::EConvertError&) {
        return Loaded{};
    }
    // A count below one would divide by zero in the paging, a negative page names no page.
    if (loaded.showCount < 1) loaded.showCount = kDefaultShowCount;
    if (loaded.currentPage < 0) loaded.currentPage = 0;

    const int available = static_cast<int>(lines.size());
    int k = 0;
    for (int i = first; i < loaded.lineTotal && i < available;) {
        Entry e;
        e.name = lines[i];
        if (loaded.form == Form::Older) {
            e.block = entry::FormatBlock(LineAt(lines, i + 1), LineAt(lines, i + 2), LineAt(lines, i + 3),
                                         10 * k + 64, 10 * k + 64);
            i += 4;
            ++k;
        } else {
            e.block = entry::FormatBlock(LineAt(lines, i + 1), LineAt(lines, i + 2), LineAt(lines, i + 3),
                                         LineAt(lines, i + 4), LineAt(lines, i + 5));
            i += 6;
        }
        loaded.entries.push_back(std::move(e));
    }
    return loaded;
}

Options ApplyTexts(const Loaded& loaded, Options options) {
    if (loaded.form == Form::Unreadable) return options;
    if (loaded.modeText == "OFF") options.trayMode = false;
    if (loaded.optionText == "OFF_D") {
        options.closeOnDeactivate = false;
        options.singleClick = false;
    } else if (loaded.optionText == "OFF_S") {
        options.closeOnDeactivate = false;
    } else if (loaded.optionText == "ON_D") {
        options.singleClick = false;
    }
    return options;
}

int EntryCountFromLineTotal(Form form, int lineTotal) {
    switch (form) {
    case Form::Current:
        return (lineTotal - kHeaderLines) / kHeaderLines;
    case Form::Older:
        return (lineTotal - 4) / 4;
    case Form::Unreadable:
        break;
    }
    return 0;
}

std::vector<std::string> Build(int showCount, int currentPage, const Options& options,
                               const std::vector<Row>& rows) {
    std::vector<std::string> lines;
    lines.reserve(kHeaderLines + 6 * rows.size());
    lines.push_back(kMarker);
    lines.push_back(std::to_string(6 * static_cast<long long>(rows.size()) + kHeaderLines));
    lines.push_back(std::to_string(showCount));
    lines.push_back(std::to_string(currentPage));
    lines.push_back(options.trayMode ? "ON" : "OFF");
    lines.push_back(std::string(options.closeOnDeactivate ? "ON" : "OFF") + (options.singleClick ? "_S" : "_D"));
    for (const Row& r : rows) {
        for (const std::string* field : {&r.name, &r.path, &r.show, &r.kind, &r.x, &r.y}) {
            lines.push_back(*field);
        }
    }
    return lines;
}

std::string SetAsideName(const std::string& path, int n) { return path + ".unread" + std::to_string(n); }

} // namespace info
