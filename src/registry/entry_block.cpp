#include "registry/entry.h"

namespace entry {

// Built as a string rather than in a fixed buffer: a long path must not be cut, and the file
// format holds each value on its own line whatever its length.
std::string FormatBlock(const std::string& path, const std::string& show, const std::string& kind,
                        const std::string& x, const std::string& y) {
    return path + "\r\n" + show + "\r\n" + kind + "\r\n" + x + "\r\n" + y;
}

std::string FormatBlock(const std::string& path, const std::string& show, const std::string& kind, int x,
                        int y) {
    return FormatBlock(path, show, kind, std::to_string(x), std::to_string(y));
}

} // namespace entry
