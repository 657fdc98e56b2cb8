#pragma once

#include "toolkit/html_viewer.h"
#include "toolkit/shared_instance.h"
#include "toolkit/window.h"

// The About window: the program's help page, resizable, with the page's margins kept. Its shared
// instance is made and shown on the first call of Instance().
class AboutWndo : public tk::Window, public tk::SharedWindow<AboutWndo> {
public:
    void Layout() override;
    void CreateControls() override;
    virtual void _CreateControls0();
    void AddMenuHandlers() override;
    void Event_Open() override;

    tk::HTMLViewer* HTMLViewer1 = nullptr;
};
