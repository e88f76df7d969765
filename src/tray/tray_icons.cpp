// The notification icons of both modes: putting them up and taking them down, and what each
// slot of the current page shows.
#include "editor/Frmmain.h"
#include "registry/entry.h"
#include "tray/paging.h"

#include <shellapi.h>

namespace {

constexpr UINT kTrayCallbackMessage = WM_USER + 1;
const std::string kPreviousPageTip = "ペリモ(右)";
const std::string kNextPageTip = "ペリモ(左)";
const std::string kEmptySlotTip = "未登録";
const std::string kDesktopTip = "ﾃﾞｨｽｸﾄｯﾌﾟ表示";

} // namespace

void TForm1::SetUpTrayData() {
    TrayData.cbSize = sizeof TrayData;
    TrayData.hWnd = Handle();
    TrayData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    TrayData.uCallbackMessage = kTrayCallbackMessage;
}

void TForm1::PutSlotIcons(int page, bool add) {
    const int entries = ListView1->Items.Count();
    ui::Icon picture; // one temporary icon serves every call: the shell keeps its own copy
    for (int j = 0; j < ShowCount; ++j) {
        const int k = tray::SlotEntry(page, ShowCount, j, entries);
        int image = entry::EmptySlot;
        std::string tip = kEmptySlotTip;
        if (k >= 0) {
            image = entry::kFirstEntrySlot + k;
            // An entry whose picture could not be made shows the red X rather than another's.
            if (image >= ImageList1->Count()) image = entry::RedXSlot;
            tip = ListView1->Items[k].Caption();
        }
        ImageList1->GetIcon(image, picture);
        TrayData.uID = tray::kFirstSlotIcon + static_cast<UINT>(j);
        TrayData.hIcon = picture.Handle();
        ui::SetTip(TrayData, tip);
        if (add) {
            TrayIconSet.Add(TrayData);
        } else {
            TrayIconSet.Modify(TrayData);
        }
    }
}

void TForm1::ShowTrayIcons(TrayMode mode) {
    ui::Icon picture;
    if (mode == TrayMode::Desktop) {
        picture = ui::LoadIconResource(L"TRAYICON", GetSystemMetrics(SM_CXSMICON));
        TrayData.uID = tray::kDesktopIcon;
        TrayData.hIcon = picture.Handle();
        ui::SetTip(TrayData, kDesktopTip);
        TrayIconSet.Add(TrayData);
        return;
    }
    ImageList1->GetIcon(entry::LeftArrowSlot, picture);
    TrayData.uID = tray::kPreviousPageIcon;
    TrayData.hIcon = picture.Handle();
    ui::SetTip(TrayData, kPreviousPageTip);
    TrayIconSet.Add(TrayData);

    ImageList1->GetIcon(entry::RightArrowSlot, picture);
    TrayData.uID = tray::kNextPageIcon;
    TrayData.hIcon = picture.Handle();
    ui::SetTip(TrayData, kNextPageTip);
    TrayIconSet.Add(TrayData);

    PutSlotIcons(CurrentPage, true);
}

void TForm1::RemoveTrayIcons(TrayMode mode) {
    TrayData.uID = mode == TrayMode::Desktop ? tray::kDesktopIcon : tray::kPreviousPageIcon;
    TrayIconSet.Delete(TrayData);
    if (mode == TrayMode::Desktop) return;
    TrayData.uID = tray::kNextPageIcon;
    TrayIconSet.Delete(TrayData);
    for (int j = 0; j < ShowCount; ++j) {
        TrayData.uID = tray::kFirstSlotIcon + static_cast<UINT>(j);
        TrayIconSet.Delete(TrayData);
    }
}

void TForm1::ApplyShowCount(const std::string& text) {
    // Read first: a count that cannot be used leaves every icon where it is.
    const tray::ShowCountInput count = tray::ReadShowCount(text);
    if (!count.valid) throw ui::EConvertError("'" + text + "' is not a valid display count");
    for (int j = 0; j < ShowCount; ++j) {
        TrayData.uID = tray::kFirstSlotIcon + static_cast<UINT>(j);
        TrayIconSet.Delete(TrayData);
    }
    ShowCount = count.value;
    PutSlotIcons(CurrentPage, true);
}
