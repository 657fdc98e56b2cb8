#include "toolkit/control.h"

namespace tk {

Control::~Control() = default;

void Control::SetFocus() {
    if (peer_)
        peer_->SetFocus();
}

void Control::AttachPeer(std::unique_ptr<ControlPeer> peer) {
    peer_ = std::move(peer);
    if (peer_)
        for (Aspect aspect : kEveryAspect)
            peer_->Apply(aspect);
}

void Control::Changed(Aspect aspect) {
    if (peer_)
        peer_->Apply(aspect);
}

} // namespace tk
