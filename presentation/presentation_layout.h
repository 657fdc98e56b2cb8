#pragma once

#include "physics/box.h"
#include "toolkit/geometry.h"

#include <array>

// Where the presentation view puts its parts in a window of a given size, and how large they are.
// Every size is a share of the window's height (of 3/4 of its width where that is less), so that
// the back row of a room reads the same at any projector's resolution: tick labels at least 1/40 of
// it, the other texts 1/27, the curves 1/360 (3 pixels on 1080 lines), never under 2 pixels. Along
// the top the clock, a note on the plots' scale and the states shown; under them, when asked for, a
// band of two lines for a note; then the wavefunction and the density side by side on a landscape
// window, one above the other on a portrait one; along the bottom the six phasors, spread over the
// whole width, each above its caption.
//
// The plots are drawn at a whole zoom, about 1/360 of the height, as on a screen of that
// much higher density: every length of their layout (lines, ticks, the distances of the tick labels)
// grows with their text and stays sharp. On a 16:9 screen of 720, 1080, 1440 or 2160 lines their
// frames are therefore the same in their own pixels, and so is what they show.
struct PresentationLayout {
    using Row = std::array<tk::Rect, physics::kComponents>;

    // The plots, in pixels of their own, each `zoom` pixels of the window each way.
    int zoom = 1;
    int tickFont = 9;    // tick labels
    int tickSpacing = 7; // at least this much between minor ticks, so that the labels stay apart
    int labelFont = 14;  // titles, axis labels and the legend
    int curvePen = 1;
    int curvePoints = 1; // the points of a curve for each of the plots' pixels across
    // The rest, in pixels of the window.
    int pen = 2;       // the phasors' circles and lines
    int textFont = 14; // the captions, the clock, the scale's note and the states shown
    tk::Rect clock;
    tk::Rect scaleNote;
    tk::Rect shown;
    tk::Rect note;         // the lines asked for under the top one; 0 high for none
    tk::Rect wavefunction; // places in window coordinates; a plot's width and height are
    tk::Rect density;      // multiples of the zoom
    Row phasors;
    Row captions;     // two lines each: |c_n| and the phase
    tk::Rect message; // what the view says when the window is too small for the plots
};

// The shares of the window's height.
inline constexpr double kTickLabelShare = 1.0 / 40;
inline constexpr double kTextShare = 1.0 / 27;
inline constexpr double kLineShare = 1.0 / 360;

// A lesson's state shows in at most this many lines under the top line: its name, then its note.
// Each takes its height from the phasors, since the plots have none to spare.
inline constexpr int kMostNoteLines = 3;

// The layout of a window whose content is width x height pixels, with a band of `noteLines` lines
// (at most kMostNoteLines) under the top line; every place is at least 1 x 1.
PresentationLayout LayoutFor(int width, int height, int noteLines = 0);
