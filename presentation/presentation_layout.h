#pragma once

#include "physics/box.h"
#include "toolkit/geometry.h"

#include <array>

// Where the presentation view puts its parts in a window of a given size, and how large its text
// and lines are. Everything grows with the window from the main window's own sizes, which it has at
// 960 x 540 (2 times them at 1920 x 1080): the wavefunction above the density, both as wide as the
// window, and below them the six phasors in a row, their captions under them, with the selection
// and the clock at the row's right end.
struct PresentationLayout {
    using Row = std::array<tk::Rect, physics::kComponents>;

    // Sizes in pixels.
    int pen = 1;           // lines and outlines
    int tickFont = 9;      // tick labels
    int tickSpacing = 7;   // at least this much between minor ticks, so that the labels stay apart
    int labelFont = 12;    // axis labels
    int titleFont = 12;    // the plots' titles, the selection and the clock
    int captionFont = 12;  // the phasors' captions
    tk::Rect wavefunction; // places in window coordinates
    tk::Rect density;
    Row phasors;
    Row captions;
    tk::Rect shown; // which states the plots show
    tk::Rect clock;
    tk::Rect message; // what the view says when the window is too small for the plots
};

// The layout of a window whose content is width x height pixels; every place is at least 1 x 1.
PresentationLayout LayoutFor(int width, int height);
