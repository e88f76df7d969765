// Notification-area icons: the record the program fills, and the one object that forwards it to
// the shell and keeps the set of icons that are up. Icons keep the classic callback layout
// (WParam = icon id, LParam = mouse message) and are named by window and id.
#pragma once

#include "ui/icon.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Filled by the program before every call: which icon, what it shows, where its mouse messages go.
struct NotifyIconRecord {
    DWORD cbSize = 0;
    HWND hWnd = nullptr; // not owned
    UINT uID = 0;
    UINT uFlags = 0; // NIF_MESSAGE, NIF_ICON, NIF_TIP
    UINT uCallbackMessage = 0;
    HICON hIcon = nullptr; // not owned: the shell and the set take copies
    char szTip[64] = {};   // Shift-JIS, zero-terminated
};

// The longest tip the record holds, in bytes, without its terminator.
constexpr std::size_t kTipBytes = sizeof(NotifyIconRecord::szTip) - 1;

// Puts `tip` into the record, cut to 63 bytes between two characters.
void SetTip(NotifyIconRecord& record, std::string_view tip);

class NotifyIcons {
public:
    struct Entry {
        HWND window; // not owned
        UINT id;
        UINT flags;
        UINT callbackMessage;
        Icon picture; // our own copy, to put the icon up again
        std::string tip;
    };

    NotifyIcons() = default;
    // Takes down the icons still up, so none is left behind in the notification area.
    ~NotifyIcons();
    NotifyIcons(const NotifyIcons&) = delete;
    NotifyIcons& operator=(const NotifyIcons&) = delete;

    // NIM_ADD, NIM_MODIFY and NIM_DELETE; each gives the shell's answer. The set follows what the
    // program asked for, so an icon the shell could not take yet goes up with Restore.
    bool Add(const NotifyIconRecord& record);
    // Changes only an icon of the set; the shell has no other.
    bool Modify(const NotifyIconRecord& record);
    bool Delete(const NotifyIconRecord& record);

    // Puts every icon of the set up again, as after a restart of the shell.
    void Restore();
    // The message the shell sends to every top-level window when its taskbar is (re)created.
    static UINT TaskbarCreatedMessage();

    // The icons that are up, in the order they were added.
    const std::vector<Entry>& Icons() const { return icons_; }
    const Entry* Find(HWND window, UINT id) const;

    // The call into the shell; tests may record or refuse the calls.
    using ShellCall = std::function<BOOL(DWORD message, const NOTIFYICONDATAW& data)>;
    static void SetShellForTesting(ShellCall call);

private:
    std::vector<Entry>::iterator Locate(HWND window, UINT id);
    static BOOL Call(DWORD message, const Entry& entry);

    std::vector<Entry> icons_;
};

} // namespace ui
