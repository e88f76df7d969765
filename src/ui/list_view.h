// The list view over a real SysListView32: items, captions, sub-items (the columns after the
// first), images, positions and selection all live in the control.
#pragma once

#include "ui/control.h"

#include <commctrl.h>

#include <functional>
#include <string>

namespace ui {

class ImageList;
class ListView;

// A row of a list view, addressed by its index. Valid until rows before it are added or removed.
class ListItem {
public:
    ListItem() = default;
    ListItem(ListView* view, int index) : view_(view), index_(index) {}

    bool Valid() const { return view_ && index_ >= 0; }
    explicit operator bool() const { return Valid(); }
    int Index() const { return index_; }

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // Sub-item k is the text of column k + 1; there are as many as the list has columns after the
    // first. Reading or writing one that does not exist raises EListError.
    int SubItemCount() const;
    std::string SubItem(int k) const;
    void SetSubItem(int k, const std::string& text);
    // Assigns all sub-items from one text of CR LF separated values: exactly as many values as
    // there are sub-items, the missing ones empty.
    void SetSubItemsText(const std::string& text);

    int ImageIndex() const;
    void SetImageIndex(int index);
    // Index into the state images; -1 for none.
    int StateIndex() const;
    void SetStateIndex(int index);

    bool Selected() const;
    void SetSelected(bool selected);

    // Position in icon views, in the list's client coordinates.
    POINT Position() const;
    void SetPosition(POINT p);

private:
    std::string Text(int column) const;
    void SetText(int column, const std::string& text);
    UINT State(UINT mask) const;
    void SetState(UINT state, UINT mask);

    ListView* view_ = nullptr; // not owned
    int index_ = -1;
};

class ListItems {
public:
    explicit ListItems(ListView& view) : view_(view) {}
    int Count() const;
    ListItem Add();
    ListItem Insert(int index);
    ListItem operator[](int index) const;
    void Delete(int index);
    void Clear();

private:
    ListView& view_;
};

enum class ViewStyle { Icon, SmallIcon, List, Report };

struct ListViewArgs {
    RECT bounds{0, 0, 100, 100};
    Control* container = nullptr;
    ViewStyle view = ViewStyle::Report;
    bool multiSelect = false;
    bool editLabels = false;
    bool showSelectionAlways = true;
    COLORREF background = CLR_DEFAULT;
    COLORREF textColor = CLR_DEFAULT;
    FontSpec font;
};

class ListView : public Control {
public:
    ListView(Component* owner, Form* parent, const ListViewArgs& args);

    ListItems Items{*this};

    void AddColumn(const std::string& caption, int width);
    // In list style: the width of every column of items.
    void SetColumnWidth(int width);
    int ColumnCount() const { return columns_; }

    void SetSmallImages(ImageList* images);
    void SetLargeImages(ImageList* images);
    void SetStateImages(ImageList* images);

    // The selected row with the lowest index, or an invalid item.
    ListItem Selected() const;
    int SelectedCount() const;

    // Has the control lay its items out now, as it would at its first paint, so that item
    // positions given afterwards are kept.
    void LayOutNow();

    std::function<void(Component* sender)> OnClick;
    std::function<void(Component* sender)> OnDblClick;

    bool HandleNotify(NMHDR& header, LRESULT& result) override;

private:
    int columns_ = 0;
};

} // namespace ui
