#pragma once

#include <functional>

namespace tk {

// Binds an event of a control (one of its std::function members, such as EditField::TextChange)
// to a method of the window that handles it. A handler that takes an int is one handler for a
// whole control array: it receives the Index of the element that fired.
template <class C, class Base, class W>
void Bind(C& control, std::function<void()> Base::*event, W& window, void (W::*handler)()) {
    static_cast<Base&>(control).*event = [&window, handler] { (window.*handler)(); };
}

template <class C, class Base, class W>
void Bind(C& control, std::function<void()> Base::*event, W& window, void (W::*handler)(int)) {
    Base& source = control;
    source.*event = [&source, &window, handler] { (window.*handler)(source.Index()); };
}

} // namespace tk
