#pragma once

#include "toolkit/window.h"

#include <memory>

// The main window: the plots of the wavefunction and the controls that drive the animation.
class MainWndo : public tk::Window {
public:
    // The shared instance, made and shown on the first call.
    static MainWndo& Instance();
    static bool Exists();
    static void Release();
    static std::unique_ptr<MainWndo> Make();

    void Layout() override;
    void AddMenuHandlers() override;
    void Event_Close() override;

    bool _HelpAbout_Action();
};
