#include "toolkit/canvas.h"

namespace tk {

void Canvas::Refresh(bool eraseBackground) {
    if (Peer())
        Peer()->Refresh(eraseBackground);
}

void Canvas::RefreshPart(Rect part) {
    if (Peer())
        Peer()->RefreshPart(part);
}

std::unique_ptr<Graphics> Canvas::ScreenGraphics() {
    return Peer() ? Peer()->ScreenGraphics() : nullptr;
}

} // namespace tk
