#include "toolkit/canvas.h"

namespace tk {

void Canvas::Refresh(bool eraseBackground) {
    if (Peer())
        Peer()->Refresh(eraseBackground);
}

void Canvas::RefreshPlaces(std::span<const Rect> places) {
    if (Peer())
        Peer()->RefreshPlaces(places);
}

std::unique_ptr<Graphics> Canvas::ScreenGraphics() {
    return Peer() ? Peer()->ScreenGraphics() : nullptr;
}

} // namespace tk
