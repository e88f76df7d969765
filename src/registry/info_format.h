// The information file's lines: reading both forms and writing the current one. No file access
// here; the main form loads the lines into its buffer and hands them over.
#pragma once

#include <string>
#include <vector>

namespace info {

inline const std::string kFileName = "TaskWembo.inf";
inline const std::string kMarker = "DESKTOP";
constexpr int kHeaderLines = 6;
constexpr int kDefaultShowCount = 3;

enum class Form { Current, Older, Unreadable };

// The three options as check marks of the tray menu.
struct Options {
    bool trayMode = true;          // shown on the tray rather than on the desktop
    bool closeOnDeactivate = true; // the desktop launcher closes when it loses activation
    bool singleClick = true;       // one click on a desktop icon starts it
};

struct Entry {
    std::string name;
    std::string block; // path, show state, icon kind, X and Y as one CR LF text
};

struct Loaded {
    Form form = Form::Unreadable;
    int lineTotal = 0; // as recorded in the file; the entry loop's end
    int showCount = kDefaultShowCount;
    int currentPage = 0;
    std::string modeText;
    std::string optionText;
    std::vector<Entry> entries;
};

// Reads the lines of either form. A header that does not read gives Form::Unreadable with the
// defaults and no entries. Entries end at the recorded line total or at the last name line that
// exists, whichever comes first; missing lines of the last entry read as empty values.
Loaded Parse(const std::vector<std::string>& lines);

// The options after the mode and option texts of a readable file, starting from `defaults`.
Options ApplyTexts(const Loaded& loaded, Options defaults);

// The number of entries that a line total stands for, integer division toward zero.
int EntryCountFromLineTotal(Form form, int lineTotal);

struct Row {
    std::string name, path, show, kind, x, y;
};

// The lines of the current form.
std::vector<std::string> Build(int showCount, int currentPage, const Options& options,
                               const std::vector<Row>& rows);

// Name for a copy of an unreadable file next to it; `n` counts from 1.
std::string SetAsideName(const std::string& path, int n);

} // namespace info
