#pragma once

#include <string>
#include <vector>

namespace ui {

// Lines of text, read from and written to files. Reading accepts CR LF, LF or CR; writing ends
// every line with CR LF. Reading a line past the end gives an empty string.
class StringList {
public:
    int Count() const { return static_cast<int>(lines_.size()); }
    std::string Strings(int index) const;
    void Add(const std::string& line) { lines_.push_back(line); }
    void Clear() { lines_.clear(); }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Assign(std::vector<std::string> lines) { lines_ = std::move(lines); }

    // Raises EFileError when the file cannot be opened or read.
    void LoadFromFile(const std::string& path);
    // Writes a new file next to `path` and puts it in the old one's place in one step, so a failed
    // save leaves the previous file whole. Raises EFileError on failure.
    void SaveToFile(const std::string& path) const;

private:
    std::vector<std::string> lines_;
};

} // namespace ui
