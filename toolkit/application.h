#pragma once

#include "toolkit/menu_handlers.h"

namespace tk {

class MenuBar;

// The application object: holds the menu bar that windows without one of their own show.
class Application : public MenuHandlers {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    tk::MenuBar* MenuBar() const { return menuBar_; }
    void SetMenuBar(tk::MenuBar* bar) { menuBar_ = bar; }

    // The registered application object, or null.
    static Application* Current();

private:
    tk::MenuBar* menuBar_ = nullptr;
};

} // namespace tk
