#pragma once

#include "toolkit/control.h"
#include "toolkit/graphics.h"

#include <memory>

namespace tk {

// A control that the logic paints itself.
//
// What the control shows is its content. Refresh asks for a later Event_Paint, whose drawing
// becomes the content. ScreenGraphics draws on the content at once instead; what it draws stays
// until the next Refresh, and the screen shows it at the next repaint, one repaint however often
// the content was drawn since.
class Canvas : public Control {
public:
    using Control::Control;

    // The toolkit asks the canvas to paint itself on g, in the control's coordinates.
    virtual void Event_Paint(Graphics& /*g*/) {}

    // Asks for a later Event_Paint, erasing the background first when asked.
    void Refresh(bool eraseBackground = true);
    // A context that draws on the control's content at once; null while the control is not on a
    // screen.
    std::unique_ptr<Graphics> ScreenGraphics();

    bool AcceptFocus() const { return acceptFocus_; }
    void SetAcceptFocus(bool on) { Set(acceptFocus_, on, Aspect::Options); }
    bool AcceptTabs() const { return acceptTabs_; }
    void SetAcceptTabs(bool on) { Set(acceptTabs_, on, Aspect::Options); }
    // Whether every paint starts from the background, not only those that Refresh(true) asked for.
    bool EraseBackground() const { return eraseBackground_; }
    void SetEraseBackground(bool on) { Set(eraseBackground_, on, Aspect::Options); }

private:
    bool acceptFocus_ = false;
    bool acceptTabs_ = false;
    bool eraseBackground_ = true;
};

} // namespace tk
