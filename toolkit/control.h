#pragma once

#include "toolkit/font.h"
#include "toolkit/geometry.h"
#include "toolkit/menu_handlers.h"
#include "toolkit/peer.h"

#include <memory>
#include <string>
#include <utility>

namespace tk {

class Window;

// Base of every control. Positions are window coordinates of the top left corner.
//
// How settings reach the screen, for every control of the toolkit: each setting has a getter and a
// setter, and no public field. A setter stores the value and, when it differs from the stored one,
// tells the peer which aspect changed (Changed); the peer shows that aspect at once and leaves the
// others alone, so enabling a field keeps its cursor, selection and font. Attaching a peer shows
// every aspect. A setting that the platform has no notion of is stored all the same; the peer says
// where it has no effect. The window's peer reads the edge locks when the window is resized.
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
    void SetBounds(int left, int top, int width, int height) {
        Set(bounds_, Rect{left, top, width, height}, Aspect::Geometry);
    }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { Set(enabled_, enabled, Aspect::Enabled); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Set(visible_, visible, Aspect::Visible); }
    // The control it sits in (radio buttons with the same parent form one group), or null.
    Control* Parent() const { return parent_; }
    void SetParent(Control* parent) { Set(parent_, parent, Aspect::Parent); }
    Window* OwnerWindow() const { return window_; }
    void SetOwnerWindow(Window* window) { window_ = window; }

    // What assistive technology announces: a short name, and a longer description of the state.
    const std::string& AccessibleName() const { return accessibleName_; }
    void SetAccessibleName(std::string name) { Set(accessibleName_, std::move(name), Aspect::Accessibility); }
    const std::string& AccessibleDescription() const { return accessibleDescription_; }
    void SetAccessibleDescription(std::string text) {
        Set(accessibleDescription_, std::move(text), Aspect::Accessibility);
    }
    // What the pointer resting on the control shows in a small box; none when empty. Part of the
    // accessibility aspect: it says what the control is, as the name does.
    const std::string& ToolTip() const { return toolTip_; }
    void SetToolTip(std::string text) { Set(toolTip_, std::move(text), Aspect::Accessibility); }

    // Edges of the window the control keeps its distance to when the window is resized.
    struct Locks {
        bool left = true;
        bool top = true;
        bool right = false;
        bool bottom = false;
        friend bool operator==(const Locks&, const Locks&) = default;
    };
    Locks LockedEdges() const { return locks_; }
    void SetLockedEdges(Locks locks) { locks_ = locks; }

    void SetFocus();

    // Raised by the toolkit once all controls of the window exist, and when the control goes.
    virtual void Event_Open() {}
    virtual void Event_Close() {}

    void AttachPeer(std::unique_ptr<ControlPeer> peer);
    ControlPeer* Peer() const { return peer_.get(); }

protected:
    // Lets the peer show a changed aspect.
    void Changed(Aspect aspect);
    // Has the peer carry out an editing command on what it shows; nothing without a peer.
    void Perform(EditCommand command) {
        if (peer_)
            peer_->Perform(command);
    }
    // Stores a setting and, if it changed, lets the peer show it.
    template <class T, class V> void Set(T& field, V&& value, Aspect aspect) {
        if (field == value)
            return;
        field = std::forward<V>(value);
        Changed(aspect);
    }

private:
    std::string name_;
    int index_ = kNoIndex;
    Rect bounds_;
    bool enabled_ = true;
    bool visible_ = true;
    Control* parent_ = nullptr;
    Window* window_ = nullptr;
    std::string accessibleName_;
    std::string accessibleDescription_;
    std::string toolTip_;
    Locks locks_;
    std::unique_ptr<ControlPeer> peer_;
};

// A control that shows text, in a font of its own.
class TextControl : public Control {
public:
    using Control::Control;

    const tk::Font& Font() const { return font_; }
    void SetFont(tk::Font font) { Set(font_, std::move(font), Aspect::Font); }

private:
    tk::Font font_;
};

// A control whose text is aligned in its box, by one of the alignment codes.
class AlignedTextControl : public TextControl {
public:
    using TextControl::TextControl;

    static constexpr int kLeft = 0;
    static constexpr int kCentre = 1;
    static constexpr int kRight = 2;

    int Alignment() const { return alignment_; }
    void SetAlignment(int code) { Set(alignment_, code, Aspect::Options); }

private:
    int alignment_ = kLeft;
};

} // namespace tk
