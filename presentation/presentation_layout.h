#pragma once

#include "physics/box.h"
#include "toolkit/geometry.h"

#include <array>

// Where the presentation view puts its parts in a window of a given size, and how large they are:
// the wavefunction above the density, both as wide as the window, and below them the six phasors in
// a row with their captions, the selection and the clock at the row's right end. Everything grows with
// the window from the main window's sizes, which it has at 960 x 540.
//
// The plots grow as on a screen of higher density: their Graphs draw at a whole zoom (2 from
// 1920 x 1080 on), so that every length of their layout, lines and ticks included, grows with their
// text and stays sharp; between two zooms their text grows by itself, up to the sizes that the
// Graph's fixed distances of ticks and tick labels hold.
struct PresentationLayout {
    using Row = std::array<tk::Rect, physics::kComponents>;

    // The plots, in pixels of their own, each `zoom` pixels of the window each way.
    int zoom = 1;
    int tickFont = 9;    // tick labels
    int tickSpacing = 7; // at least this much between minor ticks, so that the labels stay apart
    int labelFont = 12;  // axis labels
    int plotTitleFont = 14;
    // The rest, in pixels of the window.
    int pen = 1; // lines of the phasors
    int captionFont = 12;
    int textFont = 14;     // the selection, the clock and the message
    tk::Rect wavefunction; // places in window coordinates; a plot's width and height are
    tk::Rect density;      // multiples of the zoom
    Row phasors;
    Row captions;
    tk::Rect shown; // which states the plots show
    tk::Rect clock;
    tk::Rect message; // what the view says when the window is too small for the plots
};

// The layout of a window whose content is width x height pixels; every place is at least 1 x 1.
PresentationLayout LayoutFor(int width, int height);
