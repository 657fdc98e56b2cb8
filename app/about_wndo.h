#pragma once

#include "toolkit/html_viewer.h"
#include "toolkit/window.h"

#include <memory>

// The About window: the program's help page, resizable, with the page's margins kept.
class AboutWndo : public tk::Window {
public:
    // The shared instance, made and shown on the first call.
    static AboutWndo& Instance();
    static bool Exists();
    static void Release();
    static std::unique_ptr<AboutWndo> Make();

    void Layout() override;
    void CreateControls() override;
    virtual void _CreateControls0();
    void AddMenuHandlers() override;
    void Event_Open() override;

    tk::HTMLViewer* HTMLViewer1 = nullptr;
};
