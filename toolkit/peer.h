#pragma once

#include "toolkit/graphics.h"

#include <memory>
#include <span>

namespace tk {

class StatusBar;

enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

// The parts of a control's settings that change together; a peer shows one part at a time.
enum class Aspect {
    Geometry, // place and size
    Enabled,
    Visible,
    Parent,        // the control it sits in
    Accessibility, // accessible name and description
    Font,
    Text,      // caption, text or page
    Selection, // of an edit field
    Value,     // of a radio button, slider or scroll bar
    Range,     // minimum, maximum, steps and live scrolling
    Options,   // the settings particular to the kind of control
    Schedule,  // a timer's period and mode
};

inline constexpr Aspect kEveryAspect[] = {
    Aspect::Geometry,      Aspect::Enabled, Aspect::Visible, Aspect::Parent,
    Aspect::Accessibility, Aspect::Font,    Aspect::Text,    Aspect::Selection,
    Aspect::Value,         Aspect::Range,   Aspect::Options, Aspect::Schedule,
};

// The platform side of a control. A control without a peer keeps its state and draws nowhere,
// which is how the logic runs in tests without a display. Peers own platform objects (widgets,
// timers), so they are never copied.
class ControlPeer {
public:
    ControlPeer() = default;
    virtual ~ControlPeer() = default;
    ControlPeer(const ControlPeer&) = delete;
    ControlPeer& operator=(const ControlPeer&) = delete;

    // One aspect of the control's settings changed; the peer shows it, leaving the rest as it is.
    virtual void Apply(Aspect /*aspect*/) {}
    virtual void SetFocus() {}
    // Schedules a repaint, erasing the background first when asked.
    virtual void Refresh(bool /*eraseBackground*/) {}
    // Schedules a repaint of these places alone, with no erasing; by default of the whole control.
    virtual void RefreshPlaces(std::span<const Rect> /*places*/) { Refresh(false); }
    // A context that draws on the control's content at once; null where there is no screen.
    virtual std::unique_ptr<Graphics> ScreenGraphics() { return nullptr; }
    virtual void Perform(EditCommand /*command*/) {}
};

// The platform side of a window.
class WindowPeer {
public:
    WindowPeer() = default;
    virtual ~WindowPeer() = default;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    virtual void Show() {}
    virtual void Close() {}
    // Shows the title and the mark of changes not saved as the window's settings say now.
    virtual void ApplyTitle() {}
    // Shows the window full screen or not, as its settings say now.
    virtual void ApplyFullScreen() {}
    // Enables each menu item that something can carry out now.
    virtual void UpdateMenus() {}
    // Gives the window's status bar its platform side, below the content.
    virtual void RealizeStatusBar(StatusBar& /*bar*/) {}
};

} // namespace tk
