// Facts about the system the program asks for, each through one function that tests can point
// elsewhere.
#pragma once

#include <string>

namespace ui {

// The Windows directory, without blanks or control characters at either end.
std::string WindowsDirectory();
// Makes WindowsDirectory() answer `path`; an empty path goes back to the real one.
void SetWindowsDirectoryForTesting(const std::string& path);

bool FileExists(const std::string& path);
// Copies a file; false when it fails or when `to` exists already.
bool CopyNewFile(const std::string& from, const std::string& to);

} // namespace ui
