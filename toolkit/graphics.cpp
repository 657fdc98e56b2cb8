#include "toolkit/graphics.h"

#include "toolkit/picture.h"

namespace tk {

void Graphics::DrawPicture(const Picture& picture, int x, int y) {
    const int w = picture.Width();
    const int h = picture.Height();
    DrawPicture(picture, Rect{x, y, w, h}, Rect{0, 0, w, h});
}

} // namespace tk
