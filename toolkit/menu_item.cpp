#include "toolkit/menu_item.h"

namespace tk {

MenuItem* MenuItem::Child(const std::string& name) const {
    for (const auto& child : children_)
        if (child->Name() == name)
            return child.get();
    return nullptr;
}

static MenuItem* FindIn(const MenuItem& parent, const std::string& name) {
    if (MenuItem* direct = parent.Child(name))
        return direct;
    for (const auto& child : parent.Children())
        if (MenuItem* found = FindIn(*child, name))
            return found;
    return nullptr;
}

MenuItem* MenuBar::Find(const std::string& name) const {
    return FindIn(*this, name);
}

} // namespace tk
