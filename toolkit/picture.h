#pragma once

#include "toolkit/graphics.h"

#include <memory>
#include <span>

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
    // The pixels the picture keeps across and down: its logical size times the pixels of the
    // screen that each covers (2 on a screen of twice the density), which WriteRow addresses. An
    // image computed at this size is shown as sharp as the screen can, with no scaling.
    virtual int PixelWidth() const { return Width(); }
    virtual int PixelHeight() const { return Height(); }
    // Writes kept pixels of one row from its left edge, 0xRRGGBB each, at the cost of a copy: for
    // images computed pixel by pixel. Colours past the row's end and rows outside the picture are
    // left out; pictures that keep no pixels ignore it.
    virtual void WriteRow(int /*row*/, std::span<const Color> /*colors*/) {}
};

// Makes a picture through the current platform; null when it cannot be made. Each of its pixels
// covers zoom x zoom pixels of the screen's: shown that much larger, it is as sharp as the screen.
std::unique_ptr<Picture> NewPicture(int width, int height, int depth, int zoom = 1);

} // namespace tk
