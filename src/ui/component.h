// Base of everything the forms are made of: a name, a tag and an owner that destroys it.
#pragma once

#include <string>
#include <vector>

namespace ui {

// A component created with an owner is heap-allocated and belongs to that owner, which destroys
// it with itself (components created at run time, such as page menu items, included). Deleting
// a component earlier takes it off its owner's list.
class Component {
public:
    explicit Component(Component* owner);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Component* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(owned_.size()); }
    Component* FindComponent(const std::string& name) const;

    std::string Name;
    int Tag = 0;

protected:
    // Destroys the owned components, last created first.
    void DestroyComponents();

private:
    Component* owner_;
    std::vector<Component*> owned_;
};

} // namespace ui
