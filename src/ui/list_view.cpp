#include "ui/list_view.h"

#include "ui/exception.h"
#include "ui/image_list.h"
#include "ui/sjis.h"
#include "ui/text_lines.h"

namespace ui {

namespace {

DWORD ViewBits(ViewStyle v) {
    switch (v) {
    case ViewStyle::Icon:
        return LVS_ICON;
    case ViewStyle::SmallIcon:
        return LVS_SMALLICON;
    case ViewStyle::List:
        return LVS_LIST;
    case ViewStyle::Report:
        break;
    }
    return LVS_REPORT;
}

[[noreturn]] void OutOfBounds(int k) { throw EListError("List index out of bounds (" + std::to_string(k) + ")"); }

} // namespace

// ---- ListItem

std::string ListItem::Text(int column) const {
    std::wstring buffer(256, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        auto n = static_cast<std::size_t>(
            SendMessageW(view_->Handle(), LVM_GETITEMTEXTW, index_, reinterpret_cast<LPARAM>(&item)));
        if (n + 1 < buffer.size()) {
            buffer.resize(n);
            return Narrow(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

void ListItem::SetText(int column, const std::string& text) {
    std::wstring wide = Wide(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(view_->Handle(), LVM_SETITEMTEXTW, index_, reinterpret_cast<LPARAM>(&item));
}

std::string ListItem::Caption() const { return Text(0); }
void ListItem::SetCaption(const std::string& caption) { SetText(0, caption); }

int ListItem::SubItemCount() const { return view_->ColumnCount() > 0 ? view_->ColumnCount() - 1 : 0; }

std::string ListItem::SubItem(int k) const {
    if (k < 0 || k >= SubItemCount()) OutOfBounds(k);
    return Text(k + 1);
}

void ListItem::SetSubItem(int k, const std::string& text) {
    if (k < 0 || k >= SubItemCount()) OutOfBounds(k);
    SetText(k + 1, text);
}

void ListItem::SetSubItemsText(const std::string& text) {
    auto values = SplitFields(text, static_cast<std::size_t>(SubItemCount()));
    for (int k = 0; k < SubItemCount(); ++k) SetText(k + 1, values[static_cast<std::size_t>(k)]);
}

int ListItem::ImageIndex() const {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = index_;
    SendMessageW(view_->Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

void ListItem::SetImageIndex(int index) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = index_;
    item.iImage = index;
    SendMessageW(view_->Handle(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

UINT ListItem::State(UINT mask) const {
    return static_cast<UINT>(SendMessageW(view_->Handle(), LVM_GETITEMSTATE, index_, mask));
}

void ListItem::SetState(UINT state, UINT mask) {
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    SendMessageW(view_->Handle(), LVM_SETITEMSTATE, index_, reinterpret_cast<LPARAM>(&item));
}

// The control counts state images from 1 (0 means none); the forms count from 0.
int ListItem::StateIndex() const { return static_cast<int>((State(LVIS_STATEIMAGEMASK) >> 12)) - 1; }
void ListItem::SetStateIndex(int index) { SetState(INDEXTOSTATEIMAGEMASK(index + 1), LVIS_STATEIMAGEMASK); }

bool ListItem::Selected() const { return State(LVIS_SELECTED) != 0; }
void ListItem::SetSelected(bool selected) { SetState(selected ? LVIS_SELECTED : 0, LVIS_SELECTED); }

POINT ListItem::Position() const {
    POINT p{};
    SendMessageW(view_->Handle(), LVM_GETITEMPOSITION, index_, reinterpret_cast<LPARAM>(&p));
    return p;
}

void ListItem::SetPosition(POINT p) {
    SendMessageW(view_->Handle(), LVM_SETITEMPOSITION32, index_, reinterpret_cast<LPARAM>(&p));
}

// ---- ListItems

int ListItems::Count() const { return static_cast<int>(SendMessageW(view_.Handle(), LVM_GETITEMCOUNT, 0, 0)); }

ListItem ListItems::Insert(int index) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(L"");
    int at = static_cast<int>(SendMessageW(view_.Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (at < 0) throw Exception("Cannot add a list item");
    return ListItem(&view_, at);
}

ListItem ListItems::Add() { return Insert(Count()); }

ListItem ListItems::operator[](int index) const {
    if (index < 0 || index >= Count()) OutOfBounds(index);
    return ListItem(&view_, index);
}

void ListItems::Delete(int index) {
    if (index < 0 || index >= Count()) OutOfBounds(index);
    SendMessageW(view_.Handle(), LVM_DELETEITEM, index, 0);
}

void ListItems::Clear() { SendMessageW(view_.Handle(), LVM_DELETEALLITEMS, 0, 0); }

// ---- ListView

ListView::ListView(Component* owner, Form* parent, const ListViewArgs& args) : Control(owner, parent) {
    DWORD style = WS_VISIBLE | WS_TABSTOP | ViewBits(args.view) | LVS_SHAREIMAGELISTS;
    if (!args.multiSelect) style |= LVS_SINGLESEL;
    if (args.editLabels) style |= LVS_EDITLABELS;
    if (args.showSelectionAlways) style |= LVS_SHOWSELALWAYS;
    container_ = args.container ? args.container->Handle() : nullptr;
    Create(WC_LISTVIEWW, style, WS_EX_CLIENTEDGE, args.bounds, L"", args.font);
    if (args.background != CLR_DEFAULT) {
        SendMessageW(handle_, LVM_SETBKCOLOR, 0, args.background);
        SendMessageW(handle_, LVM_SETTEXTBKCOLOR, 0, args.background);
    }
    if (args.textColor != CLR_DEFAULT) SendMessageW(handle_, LVM_SETTEXTCOLOR, 0, args.textColor);
}

void ListView::AddColumn(const std::string& caption, int width) {
    std::wstring text = Wide(caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = width;
    column.iSubItem = columns_;
    SendMessageW(handle_, LVM_INSERTCOLUMNW, columns_, reinterpret_cast<LPARAM>(&column));
    ++columns_;
}

void ListView::SetColumnWidth(int width) {
    // Some lists work out their item sizes when first painted, which would undo the width: let this
    // one do it now, on a picture of its own.
    HDC screen = GetDC(handle_);
    HDC dc = CreateCompatibleDC(screen);
    SendMessageW(handle_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    DeleteDC(dc);
    ReleaseDC(handle_, screen);
    SendMessageW(handle_, LVM_SETCOLUMNWIDTH, 0, width);
}

void ListView::SetSmallImages(ImageList* images) {
    SendMessageW(handle_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

void ListView::SetLargeImages(ImageList* images) {
    SendMessageW(handle_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

void ListView::SetStateImages(ImageList* images) {
    SendMessageW(handle_, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

ListItem ListView::Selected() const {
    int index = static_cast<int>(SendMessageW(handle_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return index < 0 ? ListItem() : ListItem(const_cast<ListView*>(this), index);
}

void ListView::LayOutNow() {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(handle_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    DeleteDC(dc);
}

int ListView::SelectedCount() const { return static_cast<int>(SendMessageW(handle_, LVM_GETSELECTEDCOUNT, 0, 0)); }

bool ListView::HandleNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case NM_CLICK:
        if (OnClick) OnClick(this);
        result = 0;
        return true;
    case NM_DBLCLK:
        if (OnDblClick) OnDblClick(this);
        result = 0;
        return true;
    }
    return false;
}

} // namespace ui
