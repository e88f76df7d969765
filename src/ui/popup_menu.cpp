// Showing a popup menu: the platform menu is made afresh from the items each time it opens.
#include "ui/application.h"
#include "ui/control.h"
#include "ui/image_list.h"
#include "ui/menu.h"
#include "ui/sjis.h"

#include <vector>

namespace ui {

namespace {

// An image of the list as a 32-bit picture with its alpha premultiplied, as menus draw them.
HBITMAP MenuPicture(const ImageList& images, int index) {
    if (index < 0 || index >= images.Count()) return nullptr;
    Icon icon;
    images.GetIcon(index, icon);
    ICONINFO parts{};
    if (icon.Empty() || !GetIconInfo(icon.Handle(), &parts)) return nullptr;
    UniqueHandle<HBITMAP, DeleteGdiObject> color(parts.hbmColor), mask(parts.hbmMask);
    const int w = images.Width(), h = images.Height();
    BITMAPINFO info = Bitmap32Info(w, h);
    const std::size_t n = static_cast<std::size_t>(w) * h;
    std::vector<DWORD> pixels(n), maskBits(n);
    HDC screen = GetDC(nullptr);
    if (color) GetDIBits(screen, color.get(), 0, h, pixels.data(), &info, DIB_RGB_COLORS);
    if (mask) GetDIBits(screen, mask.get(), 0, h, maskBits.data(), &info, DIB_RGB_COLORS);
    bool hasAlpha = false;
    for (DWORD p : pixels)
        hasAlpha = hasAlpha || (p >> 24) != 0;
    for (std::size_t i = 0; i < n; ++i) {
        DWORD& p = pixels[i];
        // Pictures without an alpha channel take their transparency from the mask.
        const DWORD alpha = hasAlpha ? p >> 24 : ((maskBits[i] & 0xFFFFFF) ? 0 : 255);
        auto scale = [alpha](DWORD c) { return (c * alpha + 127) / 255; };
        p = (alpha << 24) | (scale((p >> 16) & 0xFF) << 16) | (scale((p >> 8) & 0xFF) << 8) | scale(p & 0xFF);
    }
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (picture) std::copy(pixels.begin(), pixels.end(), static_cast<DWORD*>(bits));
    return picture;
}

HMENU BuildLevel(const MenuItem& parent, const ImageList* images, BuiltMenu& built) {
    HMENU menu = CreatePopupMenu();
    UINT position = 0;
    for (int i = 0; i < parent.Count(); ++i) {
        MenuItem* item = parent.Item(i);
        if (!item->Visible) continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        std::wstring text;
        if (item->IsSeparator()) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            text = Wide(item->Caption);
            built.commands.push_back(item);
            info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
            info.fType = MFT_STRING;
            info.wID = static_cast<UINT>(built.commands.size());
            info.dwTypeData = text.data();
            info.fState = (item->Checked ? MFS_CHECKED : 0u) | (item->Enabled ? 0u : MFS_DISABLED) |
                          (item->Default ? MFS_DEFAULT : 0u);
            if (item->Count() > 0) {
                info.fMask |= MIIM_SUBMENU;
                info.hSubMenu = BuildLevel(*item, images, built); // destroyed with its parent
            }
            if (images) {
                if (HBITMAP picture = MenuPicture(*images, item->ImageIndex)) {
                    built.pictures.emplace_back(picture);
                    info.fMask |= MIIM_BITMAP;
                    info.hbmpItem = picture;
                }
            }
        }
        InsertMenuItemW(menu, position++, TRUE, &info);
    }
    return menu;
}

} // namespace

BuiltMenu BuildMenu(const PopupMenu& menu) {
    BuiltMenu built;
    built.menu.reset(BuildLevel(menu.Items, menu.Images, built));
    return built;
}

void PopupMenu::Popup(int x, int y) {
    if (MenuItem* chosen = ::Application->user().TrackPopup(*this, x, y)) chosen->Click();
}

MenuItem* RealUser::TrackPopup(PopupMenu& menu, int x, int y) {
    BuiltMenu built = BuildMenu(menu);
    auto* control = dynamic_cast<Control*>(menu.Owner());
    HWND owner = control && control->Handle() ? control->Handle() : ::Application->Handle();
    const UINT id = static_cast<UINT>(TrackPopupMenu(
        built.menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, 0, owner, nullptr));
    // Lets the menu close properly when it was opened from a notification icon.
    PostMessageW(owner, WM_NULL, 0, 0);
    if (id == 0 || id > built.commands.size()) return nullptr;
    return built.commands[id - 1];
}

} // namespace ui
