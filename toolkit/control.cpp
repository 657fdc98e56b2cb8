#include "toolkit/control.h"

namespace tk {

Control::~Control() = default;

void Control::SetBounds(int left, int top, int width, int height) {
    bounds_ = Rect{left, top, width, height};
    Changed();
}

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}

void Control::SetFocus() {
    if (peer_)
        peer_->SetFocus();
}

void Control::AttachPeer(std::unique_ptr<ControlPeer> peer) {
    peer_ = std::move(peer);
    Changed();
}

void Control::Changed() {
    if (peer_)
        peer_->Sync();
}

} // namespace tk
