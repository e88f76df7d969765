#include "ui/sjis.h"

#include <windows.h>

namespace ui {

std::wstring Wide(std::string_view sjis) {
    if (sjis.empty()) return {};
    int n = MultiByteToWideChar(kShiftJis, 0, sjis.data(), static_cast<int>(sjis.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(kShiftJis, 0, sjis.data(), static_cast<int>(sjis.size()), wide.data(), n);
    return wide;
}

namespace {

std::string Convert(std::wstring_view wide, BOOL* usedDefault) {
    if (wide.empty()) return {};
    int n = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                nullptr, 0, nullptr, usedDefault);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, usedDefault);
    return out;
}

} // namespace

std::string Narrow(std::wstring_view wide) { return Convert(wide, nullptr); }

std::optional<std::string> TryNarrow(std::wstring_view wide) {
    BOOL usedDefault = FALSE;
    std::string out = Convert(wide, &usedDefault);
    if (usedDefault) return std::nullopt;
    return out;
}

} // namespace ui
