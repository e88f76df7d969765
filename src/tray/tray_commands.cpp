// The tray menu's commands: the display count, the mode switch and the two overlay options.
#include "desktop/Desktopwemboform.h"
#include "editor/Frmmain.h"
#include "tray/paging.h"

namespace {
const std::string kNotInTrayMode = "タスクトレイ上に表示でない時には、\r\nこの設定はできません。";
const std::string kBadCount = "不正な値です";
} // namespace

void TForm1::N4Click(ui::Component*) {
    if (!N9->Checked) {
        ui::ShowMessage(kNotInTrayMode);
        return;
    }
    const std::string text =
        ::Application->user().InputBox("表示数を入力して下さい", "表示数設定", std::to_string(ShowCount));
    // A count below one would leave pages without entries: refused like any other bad text.
    const tray::ShowCountInput count = tray::ReadShowCount(text);
    if (!count.valid) {
        ui::ShowMessage(kBadCount);
        return;
    }
    if (count.needsConfirmation &&
        ::Application->MessageBox("かなり長くなりますがよろしいですか？", "再確認！！",
                                  MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
        return;
    }
    if (count.value == ShowCount) return;
    const int entries = ListView1->Items.Count();
    const int before = tray::PageCount(entries, ShowCount);
    const int after = tray::PageCount(entries, count.value);
    if (before > after) {
        RemovePageItems(before - after);
    } else if (before < after) {
        AddPageItems(after - before);
    }
    ApplyShowCount(text);
}

void TForm1::N9Click(ui::Component*) {
    if (N9->Checked) {
        N9->Checked = false;
        RemoveTrayIcons(TrayMode::Tray);
        ShowTrayIcons(TrayMode::Desktop);
        N13->Enabled = true;
        return;
    }
    N9->Checked = true;
    RemoveTrayIcons(TrayMode::Desktop);
    ShowTrayIcons(TrayMode::Tray);
    N13->Enabled = false;
    DesktopShown = false;
    if (DeskTopWembo) DeskTopWembo->CloseLauncher();
}

void TForm1::N13Click(ui::Component*) {
    N13->Checked = !N13->Checked;
    DesktopShown = false;
    if (DeskTopWembo) DeskTopWembo->CloseLauncher();
}

void TForm1::N18Click(ui::Component*) {
    N18->Checked = !N18->Checked;
}
