// Every entry's icon in both image lists: its file's own, the folder image, its associated
// program's, a stock picture or the red X.
#include "launch/icon_resolution.h"

#include "editor/Frmmain.h"
#include "editor/Submanu.h"
#include "forms/submanu_form.h"
#include "launch/icon_rules.h"
#include "registry/entry.h"

#include <shellapi.h>

#include <memory>

namespace launch {

ui::Icon ExtractFirstIcon(const std::string& path) {
    return ui::Icon(ExtractIconW(GetModuleHandleW(nullptr), ui::Wide(path).c_str(), 0));
}

bool NamesFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(ui::Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

ui::Icon AssociatedProgramIcon(const std::string& path) {
    wchar_t program[MAX_PATH + 1] = {};
    if (reinterpret_cast<INT_PTR>(FindExecutableW(ui::Wide(path).c_str(), nullptr, program)) <= 32) return {};
    return ui::Icon(ExtractIconW(GetModuleHandleW(nullptr), program, 0));
}

bool AppendToBoth(ui::ImageList& small, ui::ImageList& large, const ui::Icon& icon) {
    const int index = small.AddIcon(icon);
    if (index < 0) return false;
    if (large.AddIcon(icon) < 0) {
        small.Delete(index);
        return false;
    }
    return true;
}

} // namespace launch

namespace {

// The file's own icon, else the folder image, else its associated program's icon.
bool AppendStandardIcon(TForm1& form, const std::string& path, const ui::Icon& own) {
    if (launch::AppendToBoth(*form.ImageList1, *form.ImageList2, own)) return true;
    if (launch::NamesFolder(path)) {
        ui::Icon folder;
        form.ImageList1->GetIcon(entry::FolderSlot, folder);
        return launch::AppendToBoth(*form.ImageList1, *form.ImageList2, folder);
    }
    return launch::AppendToBoth(*form.ImageList1, *form.ImageList2, launch::AssociatedProgramIcon(path));
}

void AppendRedX(TForm1& form) {
    ui::Icon redX;
    form.ImageList1->GetIcon(entry::RedXSlot, redX);
    launch::AppendToBoth(*form.ImageList1, *form.ImageList2, redX);
}

} // namespace

void TForm1::AddEntryIcon(const std::string& path) {
    ui::Icon own;
    if (const auto source = launch::IconSourcePath(path)) own = launch::ExtractFirstIcon(*source);
    IconKind = entry::kIconStandard;
    if (AppendStandardIcon(*this, path, own)) return;

    // Nothing found: the person picks, in the entry dialog as icon picker for a new entry.
    auto picker = std::make_unique<TSubForm1>(::Application);
    picker->Panel1->Hide();
    picker->Button2->SetCaption(forms::submanu::kButton2Standard);
    picker->SetCaption(forms::submanu::kIconCaption);
    picker->Panel2->Show();
    ui::Icon redX;
    ImageList1->GetIcon(entry::RedXSlot, redX);
    picker->Image1->GetCanvas().Draw(0, 0, redX);
    picker->ImageList1->AddIcon(redX);
    IconEditMode = false;
    picker->Button3->Hide();
    // The new entry's kind starts as its own: not the kind of whatever row the editor has selected.
    IconKind = entry::kIconStandard;

    const int before = ImageList1->Count();
    picker->ShowModal();
    picker.reset();
    // Closed without a choice: the red X, which is also what "標準" gives this path.
    if (ImageList1->Count() == before) {
        AppendRedX(*this);
        IconKind = entry::kIconStandard;
    }
}

void TForm1::RebuildIcons() {
    const int count = ListView1->Items.Count();
    // Never shown: it holds the stock pictures.
    auto stock = std::make_unique<TSubForm1>(::Application);
    for (int i = 0; i < count; ++i) {
        const ui::ListItem row = ListView1->Items[i];
        const std::string path = row.SubItem(entry::Path);
        const launch::IconChoice choice = launch::IconChoiceFor(row.SubItem(entry::IconKind));
        bool appended = false;
        if (choice.source == launch::IconSource::Standard) {
            appended = AppendStandardIcon(*this, path, launch::ExtractFirstIcon(path));
        } else if (choice.source == launch::IconSource::Stock && choice.stock < stock->ImageList1->Count()) {
            ui::Icon picture;
            stock->ImageList1->GetIcon(choice.stock, picture);
            appended = launch::AppendToBoth(*ImageList1, *ImageList2, picture);
        }
        if (!appended) AppendRedX(*this);
    }
}
