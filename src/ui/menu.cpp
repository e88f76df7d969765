#include "ui/menu.h"

#include "ui/exception.h"

#include <algorithm>

namespace ui {

MenuItem::~MenuItem() {
    if (parent_) parent_->Remove(this);
    for (MenuItem* child : items_) child->parent_ = nullptr;
}

MenuItem* MenuItem::Item(int index) const {
    if (index < 0 || index >= Count()) throw EListError("Menu index out of range (" + std::to_string(index) + ")");
    return items_[static_cast<std::size_t>(index)];
}

void MenuItem::Add(MenuItem* item) { Insert(Count(), item); }

void MenuItem::Insert(int index, MenuItem* item) {
    if (item->parent_) throw Exception("Menu item already in a menu");
    items_.insert(items_.begin() + std::clamp(index, 0, Count()), item);
    item->parent_ = this;
}

void MenuItem::Remove(MenuItem* item) {
    auto found = std::find(items_.begin(), items_.end(), item);
    if (found == items_.end()) return;
    items_.erase(found);
    item->parent_ = nullptr;
}

int MenuItem::IndexOf(const MenuItem* item) const {
    auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void MenuItem::Click() {
    if (OnClick) OnClick(this);
}

} // namespace ui
