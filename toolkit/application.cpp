#include "toolkit/application.h"

namespace tk {

namespace {
Application* current = nullptr;
}

Application::Application() {
    current = this;
}

Application::~Application() {
    if (current == this)
        current = nullptr;
}

Application* Application::Current() {
    return current;
}

} // namespace tk
