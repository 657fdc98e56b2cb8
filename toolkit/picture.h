#pragma once

#include "toolkit/graphics.h"

#include <memory>

namespace tk {

// An off-screen image in logical pixels, white when made. It owns its pixels and the context
// that draws on them, so it is never copied.
class Picture {
public:
    Picture() = default;
    virtual ~Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual int Depth() const = 0;
    // The picture's drawing context; may be null, which callers test.
    virtual tk::Graphics* Graphics() = 0;
    // The colour of one pixel; pictures that keep no pixels answer white.
    virtual Color Pixel(int /*x*/, int /*y*/) const { return kWhite; }
};

// Makes a picture through the current platform; null when it cannot be made. Each of its pixels
// covers zoom x zoom pixels of the screen's: shown that much larger, it is as sharp as the screen.
std::unique_ptr<Picture> NewPicture(int width, int height, int depth, int zoom = 1);

} // namespace tk
