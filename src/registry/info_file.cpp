#include "editor/Frmmain.h"
#include "registry/entry.h"
#include "registry/info_format.h"

std::string TForm1::InfoFilePath() const { return ui::WindowsDirectory() + "\\" + info::kFileName; }

void TForm1::LoadInfoFile() {
    const std::string path = InfoFilePath();
    info::Loaded loaded;
    try {
        Memo1->Lines.LoadFromFile(path);
        loaded = info::Parse(Memo1->Lines.Lines());
    } catch (const ui::EFileError&) {
        loaded = info::Loaded{};
    }
    loadedForm_ = loaded.form;
    // The values are in place before the message is up: its modal loop may already deliver the
    // end of the session, which saves them.
    EntryCount = loaded.form == info::Form::Unreadable ? 5 : loaded.lineTotal;
    ShowCount = loaded.showCount;
    CurrentPage = loaded.currentPage;
    SetOptions(info::ApplyTexts(loaded, CurrentOptions()));
    if (loaded.form == info::Form::Unreadable) {
        // Whatever is there is kept for the person to look at; the save at exit sets it aside.
        unreadFileKept_ = ui::FileExists(path);
        ui::ShowMessage("情報ファイルが読込めませんでした");
    }

    for (const info::Entry& e : loaded.entries) {
        ui::ListItem row = ListView1->Items.Add();
        row.SetCaption(e.name);
        row.SetSubItemsText(e.block);
    }
}

void TForm1::SetAsideUnreadFile(const std::string& path) {
    for (int n = 1; n < 10000; ++n) {
        const std::string copy = info::SetAsideName(path, n);
        if (ui::FileExists(copy)) continue;
        if (ui::CopyNewFile(path, copy)) return;
        break;
    }
    throw ui::EFileError("Cannot set \"" + path + "\" aside");
}

void TForm1::SaveInfoFile() {
    const std::string path = InfoFilePath();
    try {
        std::vector<info::Row> rows;
        for (int i = 0; i < ListView1->Items.Count(); ++i) {
            ui::ListItem r = ListView1->Items[i];
            rows.push_back({r.Caption(), r.SubItem(entry::Path), r.SubItem(entry::ShowState), r.SubItem(entry::IconKind),
                            r.SubItem(entry::X), r.SubItem(entry::Y)});
        }
        Memo1->Lines.Assign(info::Build(ShowCount, CurrentPage, CurrentOptions(), rows));
        if (unreadFileKept_ && ui::FileExists(path)) {
            SetAsideUnreadFile(path);
            unreadFileKept_ = false;
        }
        Memo1->Lines.SaveToFile(path);
    } catch (const ui::Exception&) {
        ui::ShowMessage("情報ファイル作作成に失敗しました。");
    }
}
