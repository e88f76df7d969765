// What the notification icons' mouse messages do: hover, left button and right button.
#include "desktop/Desktopwemboform.h"
#include "editor/Frmmain.h"
#include "tray/paging.h"

#include <climits>

namespace {
const std::string kNoEntries =
    "起動ソフトが何も登録されてません。\r\n「編集/登録」で起動するソフトを\r\n登録して下さい。";
} // namespace

void TForm1::WMTrayNotify(ui::Message& Message) {
    // While icon positions are edited on the overlay the icons do not react at all.
    if (DeskTopWembo && DeskTopWembo->BitBtn1->Visible()) return;

    switch (Message.LParam) {
    case WM_MOUSEMOVE:
        if (N9->Checked || DesktopShown) return;
        if (ListView1->Items.Count() > 0) {
            ShowDesktopLauncher();
            return;
        }
        // Hover messages keep coming while the notice is up; one notice at a time.
        if (EmptyNoticeShown) return;
        EmptyNoticeShown = true;
        if (::Application->user().WarningDialog(kNoEntries) == ui::mrOk) EmptyNoticeShown = false;
        return;

    case WM_LBUTTONDOWN:
        if (!N9->Checked) {
            if (!N13->Checked && DesktopShown && DeskTopWembo) DeskTopWembo->Hide();
            DesktopShown = false;
            return;
        }
        if (Message.WParam == tray::kNextPageIcon) {
            NextPage();
        } else if (Message.WParam == tray::kPreviousPageIcon) {
            CurrentPage = tray::BeforePreviousPage(CurrentPage);
            NextPage();
        } else if (Message.WParam >= tray::kFirstSlotIcon &&
                   Message.WParam - tray::kFirstSlotIcon <= INT_MAX) {
            // A late message from a slot that a smaller display count took away launches nothing.
            const int slot = static_cast<int>(Message.WParam - tray::kFirstSlotIcon);
            const int index = tray::SlotEntry(CurrentPage, ShowCount, slot, ListView1->Items.Count());
            if (slot < ShowCount && index >= 0) LaunchEntry(index);
        }
        return;

    case WM_RBUTTONDOWN: {
        POINT cursor{};
        GetCursorPos(&cursor);
        SetForegroundWindow(Handle());
        PopupMenu2->Popup(cursor.x, cursor.y);
        return;
    }
    }
}
