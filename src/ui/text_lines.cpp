#include "ui/text_lines.h"

namespace ui {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> SplitFields(std::string_view text, std::size_t count) {
    std::vector<std::string> fields;
    fields.reserve(count);
    std::size_t start = 0;
    while (fields.size() < count) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            fields.emplace_back(start <= text.size() ? text.substr(start) : std::string_view());
            start = text.size() + 1;
        } else {
            fields.emplace_back(text.substr(start, end - start));
            start = end + 2;
        }
    }
    return fields;
}

std::string Trim(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) < 33; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

} // namespace ui
