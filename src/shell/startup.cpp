// Start-up, the message map and shutdown of the main form.
#include "editor/Frmmain.h"
#include "registry/info_format.h"

#include <shellapi.h>

namespace {
constexpr UINT kTrayCallbackMessage = WM_USER + 1;
constexpr char kHelpFile[] = "ペリモ.hlp";
} // namespace

void TForm1::FormCreate(ui::Component*) {
    DragAcceptFiles(Handle(), TRUE);
    PageItemCount = 0;
    LoadInfoFile();
    RebuildIcons();
    AssignImageSlots();
    SetUpTrayData();
    ShowTrayIcons(CurrentMode());
    BuildPageMenu();
    EntryCount = info::EntryCountFromLineTotal(loadedForm_, EntryCount);
    EntriesAdded = false;
    DesktopShown = false;
    EmptyNoticeShown = false;
}

void TForm1::FormClose(ui::Component*, ui::CloseAction&) {
    RemoveTrayIcons(CurrentMode());
    SaveInfoFile();
}

void TForm1::N3Click(ui::Component*) { Close(); }

void TForm1::Help1Click(ui::Component*) {
    ::Application->HelpFile = kHelpFile;
    ::Application->HelpCommand(HELP_CONTENTS, 0);
}

bool TForm1::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // A new taskbar knows none of our icons: put up those of the current mode and page again.
    if (msg == ui::NotifyIcons::TaskbarCreatedMessage()) {
        TrayIconSet.Restore();
        result = 0;
        return true;
    }
    ui::Message message{msg, wParam, lParam, 0};
    switch (msg) {
    case WM_ENDSESSION:
        WMEndSession(message);
        break;
    case WM_DROPFILES:
        WMDropFiles(message);
        break;
    case kTrayCallbackMessage:
        WMTrayNotify(message);
        break;
    default:
        return false;
    }
    result = message.Result;
    return true;
}

// Every end of session closes, also one that says the session goes on: the file is written.
void TForm1::WMEndSession(ui::Message&) { Close(); }

void TForm1::WMDropFiles(ui::Message& Message) { DragFinish(reinterpret_cast<HDROP>(Message.WParam)); }
