#pragma once

#include "physics/carpet.h"
#include "toolkit/color.h"
#include "toolkit/picture.h"

#include <memory>
#include <vector>

// A picture of values in the viridis colours, written pixel by pixel at the picture's own
// resolution (twice its logical size each way on a screen of twice the density), so that shown at
// its logical size it is copied pixel for pixel, with no scaling to blur it.
class HeatMap {
public:
    // A picture of width x height logical pixels, each covering zoom x zoom of the screen's; none
    // when it cannot be made. Nothing is written yet.
    void Make(int width, int height, int zoom);
    void Forget() { picture_.reset(); }
    const tk::Picture* Picture() const { return picture_.get(); }
    int PixelWidth() const { return picture_ ? picture_->PixelWidth() : 0; }
    int PixelHeight() const { return picture_ ? picture_->PixelHeight() : 0; }

    // The density of each cell of the grid, made for PixelWidth() x PixelHeight(), as a fraction of
    // `top`: time downwards, row 0 of the grid at the top of the picture. A top of 0 or below
    // paints the darkest colour.
    void Paint(const physics::Carpet& carpet, double top);
    // The colour bar: the colours from the darkest at the bottom to the brightest at the top.
    void PaintScale();

private:
    std::unique_ptr<tk::Picture> picture_;
    std::vector<tk::Color> row_; // one row of colours, reused
};
