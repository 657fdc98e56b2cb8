#pragma once

#include "toolkit/control.h"
#include "toolkit/graphics.h"

#include <algorithm>
#include <memory>
#include <span>

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
    // The pointer, in the control's coordinates: a button pressed on the canvas; moved while the
    // button is held, also beyond the canvas's edges; moved over it with no button held; gone from it.
    virtual void Event_MouseDown(int /*x*/, int /*y*/) {}
    virtual void Event_MouseDrag(int /*x*/, int /*y*/) {}
    virtual void Event_MouseMove(int /*x*/, int /*y*/) {}
    virtual void Event_MouseExit() {}

    // Asks for a later Event_Paint, erasing the background first when asked.
    void Refresh(bool eraseBackground = true);
    // Asks for a later Event_Paint where the content changed in these places alone, with no erasing:
    // the screen needs only these places of what it paints, which costs less for a large control.
    void RefreshPlaces(std::span<const Rect> places);
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
    // How many pixels of the screen, each way, a pixel of the pictures the control draws in covers
    // (1 by default): a control that is not on a screen itself draws so for another to show it that
    // many times larger, as sharp as the screen, lines and text included. Takes effect for the
    // pictures made from then on.
    int Zoom() const { return zoom_; }
    void SetZoom(int zoom) { zoom_ = std::max(1, zoom); }

private:
    bool acceptFocus_ = false;
    bool acceptTabs_ = false;
    bool eraseBackground_ = true;
    int zoom_ = 1;
};

} // namespace tk
