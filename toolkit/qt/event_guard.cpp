#include "toolkit/qt/event_guard.h"

#include <exception>
#include <iostream>

namespace tk::qt {

void Guarded(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::exception& error) {
        std::cerr << "parvok: " << error.what() << '\n';
    }
}

} // namespace tk::qt
