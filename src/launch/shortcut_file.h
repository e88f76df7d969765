// The target of a shortcut file on disk.
#pragma once

#include <string>

namespace launch {

// The target path the shortcut file names, or `path` itself when the file cannot be read or names
// no file system target. Never raises.
std::string ReadShortcutFile(const std::string& path);

} // namespace launch
