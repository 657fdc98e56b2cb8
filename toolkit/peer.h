#pragma once

#include "toolkit/graphics.h"

#include <memory>

namespace tk {

enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

// The platform side of a control. A control without a peer keeps its state and draws nowhere,
// which is how the logic runs in tests without a display.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    // The control's settings changed; the peer shows them.
    virtual void Sync() {}
    virtual void SetFocus() {}
    // Schedules a repaint, erasing the background first when asked.
    virtual void Refresh(bool /*eraseBackground*/) {}
    // A context that draws on the control at once; null where there is no screen.
    virtual std::unique_ptr<Graphics> ScreenGraphics() { return nullptr; }
    virtual void Perform(EditCommand) {}
};

// The platform side of a window.
class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    virtual void Sync() {}
    virtual void Show() {}
    virtual void Close() {}
};

} // namespace tk
