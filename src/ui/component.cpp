#include "ui/component.h"

#include <algorithm>

namespace ui {

Component::Component(Component* owner) : owner_(owner) {
    if (owner_) owner_->owned_.push_back(this);
}

Component::~Component() {
    DestroyComponents();
    if (owner_) {
        auto& list = owner_->owned_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void Component::DestroyComponents() {
    while (!owned_.empty()) {
        Component* last = owned_.back();
        owned_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
}

Component* Component::FindComponent(const std::string& name) const {
    for (Component* c : owned_) {
        if (c->Name == name) return c;
    }
    return nullptr;
}

} // namespace ui
