#pragma once

#include "toolkit/timer.h"
#include "toolkit/window.h"

#include <cstdint>

// The frame timer of the main window: a timer that sits on a window and knows it, and its index.
class TMFrame : public tk::Timer {
public:
    TMFrame() { Constructor(); }
    void Constructor() {}

    void _SetWindow(tk::Window* window) {
        ownerWindow = window;
        SetOwnerWindow(window);
    }
    tk::Window* Window() const { return ownerWindow; }
    std::int32_t _Index() const { return Index; }
    void _SetIndex(std::int32_t index) {
        Index = index;
        SetIndex(index);
    }

    std::int32_t Index = kNoIndex;
    tk::Window* ownerWindow = nullptr;
};
