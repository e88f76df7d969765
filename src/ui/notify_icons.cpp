#include "ui/notify_icons.h"

#include "ui/sjis.h"
#include "ui/sjis_cut.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>

namespace ui {

namespace {

NotifyIcons::ShellCall& ShellOverride() {
    static NotifyIcons::ShellCall call;
    return call;
}

NotifyIcons::Entry MakeEntry(const NotifyIconRecord& record) {
    NotifyIcons::Entry e{record.hWnd, record.uID, record.uFlags, record.uCallbackMessage, Icon(), {}};
    if (record.hIcon) e.picture.SetHandle(CopyIcon(record.hIcon));
    e.tip.assign(record.szTip, strnlen(record.szTip, sizeof record.szTip));
    return e;
}

} // namespace

void SetTip(NotifyIconRecord& record, std::string_view tip) {
    const std::string cut = CutAtCharBoundary(tip.substr(0, tip.find('\0')), kTipBytes);
    std::fill(std::begin(record.szTip), std::end(record.szTip), '\0');
    std::copy(cut.begin(), cut.end(), record.szTip);
}

NotifyIcons::~NotifyIcons() {
    for (const Entry& e : icons_)
        Call(NIM_DELETE, e);
}

void NotifyIcons::SetShellForTesting(ShellCall call) {
    ShellOverride() = std::move(call);
}

UINT NotifyIcons::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

BOOL NotifyIcons::Call(DWORD message, const Entry& entry) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = entry.window;
    data.uID = entry.id;
    data.uFlags = entry.flags & (NIF_MESSAGE | NIF_ICON | NIF_TIP);
    data.uCallbackMessage = entry.callbackMessage;
    data.hIcon = entry.picture.Handle();
    const std::wstring tip = Wide(entry.tip);
    wcsncpy(data.szTip, tip.c_str(), std::size(data.szTip) - 1);
    if (ShellOverride()) return ShellOverride()(message, data);
    return Shell_NotifyIconW(message, &data);
}

std::vector<NotifyIcons::Entry>::iterator NotifyIcons::Locate(HWND window, UINT id) {
    return std::find_if(icons_.begin(), icons_.end(),
                        [&](const Entry& e) { return e.window == window && e.id == id; });
}

const NotifyIcons::Entry* NotifyIcons::Find(HWND window, UINT id) const {
    auto found = const_cast<NotifyIcons*>(this)->Locate(window, id);
    return found == icons_.end() ? nullptr : &*found;
}

bool NotifyIcons::Add(const NotifyIconRecord& record) {
    Entry entry = MakeEntry(record);
    const BOOL ok = Call(NIM_ADD, entry);
    auto found = Locate(record.hWnd, record.uID);
    if (found != icons_.end()) {
        *found = std::move(entry);
    } else {
        icons_.push_back(std::move(entry));
    }
    return ok != FALSE;
}

bool NotifyIcons::Modify(const NotifyIconRecord& record) {
    Entry entry = MakeEntry(record);
    const BOOL ok = Call(NIM_MODIFY, entry);
    auto found = Locate(record.hWnd, record.uID);
    if (found != icons_.end()) *found = std::move(entry);
    return ok != FALSE;
}

bool NotifyIcons::Delete(const NotifyIconRecord& record) {
    Entry entry{record.hWnd, record.uID, record.uFlags, record.uCallbackMessage, Icon(), {}};
    const BOOL ok = Call(NIM_DELETE, entry);
    auto found = Locate(record.hWnd, record.uID);
    if (found != icons_.end()) icons_.erase(found);
    return ok != FALSE;
}

void NotifyIcons::Restore() {
    // A shell that kept an icon refuses to add it again; it still takes the picture and tip.
    for (const Entry& e : icons_) {
        if (!Call(NIM_ADD, e)) Call(NIM_MODIFY, e);
    }
}

} // namespace ui
