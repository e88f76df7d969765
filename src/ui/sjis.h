// Shift-JIS <-> UTF-16 at the Win32 boundary. The program's texts are Shift-JIS bytes; the
// platform is called through its wide functions so the code page of the system does not matter.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ui {

constexpr unsigned kShiftJis = 932;

std::wstring Wide(std::string_view sjis);
// Characters without a Shift-JIS form become '?'.
std::string Narrow(std::wstring_view wide);
// Nothing when a character has no Shift-JIS form.
std::optional<std::string> TryNarrow(std::wstring_view wide);

} // namespace ui
