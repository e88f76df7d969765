// Menu items: a tree of components holding caption, check mark, enabled state, image and click
// handler. The platform menu is built from the tree when it is shown, so the items are the truth.
#pragma once

#include "ui/component.h"
#include "ui/handles.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

class ImageList;

class MenuItem : public Component {
public:
    explicit MenuItem(Component* owner) : Component(owner) {}
    ~MenuItem() override;

    std::string Caption;
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
    int ImageIndex = -1;
    bool Default = false;
    std::function<void(Component* sender)> OnClick;

    bool IsSeparator() const { return Caption == "-"; }

    // Child items, in menu order. Items are not owned by their parent item: they belong to their
    // owner component, so an item taken out of a menu stays alive until its owner goes.
    int Count() const { return static_cast<int>(items_.size()); }
    MenuItem* Item(int index) const;
    MenuItem* Parent() const { return parent_; }
    void Add(MenuItem* item);
    void Insert(int index, MenuItem* item);
    // Takes the item out of this menu without destroying it.
    void Remove(MenuItem* item);
    int IndexOf(const MenuItem* item) const;

    // Runs the click handler, as choosing the item does.
    void Click();

private:
    MenuItem* parent_ = nullptr; // not owned
    std::vector<MenuItem*> items_; // not owned
};

class PopupMenu : public Component {
public:
    explicit PopupMenu(Component* owner) : Component(owner), Items(nullptr) {}

    MenuItem Items; // the root; its children are the menu's items
    ImageList* Images = nullptr; // not owned

    // Opens the menu at the screen point (x, y) through the application's user, then runs the
    // chosen item's click handler.
    void Popup(int x, int y);
};

// A platform menu made from the items as they are now, with the pictures it shows. Item k of
// `commands` has the command id k + 1.
struct BuiltMenu {
    MenuHandle menu;
    std::vector<MenuItem*> commands; // not owned
    std::vector<UniqueHandle<HBITMAP, DeleteGdiObject>> pictures;
};
BuiltMenu BuildMenu(const PopupMenu& menu);

} // namespace ui
