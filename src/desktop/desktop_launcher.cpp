// The overlay as launcher: filled from the entries, stretched over the screen and cut down by a
// window region to the icons, their names and, when it stays open, its close button.
#include "desktop/Desktopwemboform.h"
#include "desktop/region_rects.h"
#include "editor/Frmmain.h"
#include "registry/entry.h"

#include <optional>
#include <vector>

namespace {

constexpr DWORD kLabelMappingSize = 256;

// The label rectangle of item `index`, asked for through the 256-byte mapping "e2". Nothing when
// the mapping cannot be made or mapped (another program may hold the name), or the list has no
// such item.
std::optional<desktop::Rect> LabelThroughMapping(HWND list, int index) {
    ui::KernelHandle mapping(
        CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kLabelMappingSize, L"e2"));
    if (!mapping) return std::nullopt;
    ui::MappedView view(MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, kLabelMappingSize));
    if (!view) return std::nullopt;
    auto* rect = static_cast<RECT*>(view.get());
    rect->left = LVIR_LABEL;
    if (!SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect))) {
        return std::nullopt;
    }
    return desktop::Rect{rect->left, rect->top, rect->right, rect->bottom};
}

desktop::Rect FromRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

void TForm1::FillDesktopIcons() {
    ui::ListView* overlayList = DeskTopWembo->ListView1;
    overlayList->Items.Clear();
    for (int i = 0; i < ListView1->Items.Count(); ++i) {
        ui::ListItem item = overlayList->Items.Add();
        item.SetCaption(ListView1->Items[i].Caption());
        item.SetImageIndex(entry::kFirstEntrySlot + i);
    }
    // Some list views arrange their icons at their first paint, over any place given before:
    // let that happen now, so that the entries' places stick.
    overlayList->LayOutNow();
    for (int i = 0; i < ListView1->Items.Count(); ++i) {
        const ui::ListItem entryRow = ListView1->Items[i];
        overlayList->Items[i].SetPosition(
            {ui::StrToInt(entryRow.SubItem(entry::X)), ui::StrToInt(entryRow.SubItem(entry::Y))});
    }
    const desktop::Rect bounds = desktop::OverlayBounds(ui::Screen::Width(), ui::Screen::Height());
    DeskTopWembo->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void TForm1::ShowDesktopLauncher() {
    FillDesktopIcons();
    TDeskTopWembo& overlay = *DeskTopWembo;

    std::vector<desktop::ItemPlace> places;
    for (int i = 0; i < ListView1->Items.Count(); ++i) {
        const ui::ListItem entryRow = ListView1->Items[i];
        std::optional<desktop::Rect> label = LabelThroughMapping(overlay.ListView1->Handle(), i);
        places.push_back(
            {ui::StrToInt(entryRow.SubItem(entry::X)), ui::StrToInt(entryRow.SubItem(entry::Y)), label});
    }
    std::optional<desktop::Rect> workArea;
    if (!N13->Checked) workArea = FromRect(ui::Screen::WorkArea());
    const std::vector<desktop::Rect> rects = desktop::RegionRects(places, workArea);

    // Entry 0's icon takes the place of the whole window; with no entry nothing of it is left.
    const RECT whole{0, 0, overlay.Width(), overlay.Height()};
    ui::Region region(places.empty() ? CreateRectRgn(0, 0, 0, 0) : CreateRectRgnIndirect(&whole));
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const desktop::Rect& r = rects[i];
        ui::Region part(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        CombineRgn(region.get(), region.get(), part.get(), i == 0 && !places.empty() ? RGN_AND : RGN_OR);
    }

    if (workArea) {
        overlay.BitBtn2->SetTop(workArea->top + desktop::kOverlayMargin);
        overlay.BitBtn2->SetLeft(workArea->left + desktop::kOverlayMargin);
        overlay.BitBtn2->Show();
    }

    DesktopRegion = region.get();
    if (SetWindowRgn(overlay.Handle(), DesktopRegion, TRUE)) {
        region.release(); // the window's now
    } else {
        DesktopRegion = nullptr;
    }
    DesktopShown = true;
    overlay.Show();
}
