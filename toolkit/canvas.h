#pragma once

#include "toolkit/control.h"
#include "toolkit/graphics.h"

#include <memory>

namespace tk {

// A control that the logic paints itself.
class Canvas : public Control {
public:
    using Control::Control;

    // The toolkit asks the canvas to paint itself on g, in the control's coordinates.
    virtual void Event_Paint(Graphics& /*g*/) {}

    // Asks for a later Event_Paint, erasing the background first when asked.
    void Refresh(bool eraseBackground = true);
    // A context that draws on the control at once (the screen is updated when it goes out of scope);
    // null while the control is not on a screen.
    std::unique_ptr<Graphics> ScreenGraphics();

    bool AcceptFocus = false;
    bool AcceptTabs = false;
    bool EraseBackground = true;
};

} // namespace tk
