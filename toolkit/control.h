#pragma once

#include "toolkit/geometry.h"
#include "toolkit/menu_handlers.h"
#include "toolkit/peer.h"

#include <memory>
#include <string>

namespace tk {

class Window;

// Base of every control. Positions are window coordinates of the top left corner.
class Control : public MenuHandlers {
public:
    static constexpr int kNoIndex = -1;

    Control() = default;
    explicit Control(int index) : index_(index) {}
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    // The element number within a control array, or kNoIndex.
    int Index() const { return index_; }
    void SetIndex(int index) { index_ = index; }

    int Left() const { return bounds_.x; }
    int Top() const { return bounds_.y; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    Rect Bounds() const { return bounds_; }
    void SetBounds(int left, int top, int width, int height);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    Control* Parent() const { return parent_; }
    void SetParent(Control* parent) { parent_ = parent; }
    Window* OwnerWindow() const { return window_; }
    void SetOwnerWindow(Window* window) { window_ = window; }

    void SetFocus();

    // Edges of the window the control keeps its distance to when the window is resized.
    bool LockLeft = true;
    bool LockTop = true;
    bool LockRight = false;
    bool LockBottom = false;

    // Raised by the toolkit once all controls of the window exist, and when the control goes.
    virtual void Event_Open() {}
    virtual void Event_Close() {}

    void AttachPeer(std::unique_ptr<ControlPeer> peer);
    ControlPeer* Peer() const { return peer_.get(); }

protected:
    // Lets the peer show a changed setting.
    void Changed();

private:
    std::string name_;
    int index_ = kNoIndex;
    Rect bounds_;
    bool enabled_ = true;
    bool visible_ = true;
    Control* parent_ = nullptr;
    Window* window_ = nullptr;
    std::unique_ptr<ControlPeer> peer_;
};

} // namespace tk
