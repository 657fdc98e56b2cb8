#include "presentation/presentation_layout.h"

#include <algorithm>
#include <cmath>

namespace {

// The Graph sets the baselines of its tick labels at fixed distances from its axes, in its own
// pixels: digits of larger labels than these would touch the ticks above them.
constexpr int kSmallestTickFont = 9;
constexpr int kLargestTickFont = 12;
// The zoom is the unit rounded down, but for the last quarter, where rounding down would leave the
// tick labels larger than kLargestTickFont allows (1050 lines: 2.92 units); between them the text
// grows by itself. A zoom of half a unit more would leave a window of 960 x 540 too small for the plots.
constexpr double kZoomRoundUp = 0.25;
constexpr double kNarrowest = 3.0 / 4;
// A curve has a point for each pixel of the window across the plot, but at most this many for each
// of the plot's own (a window of 1080 lines): at a larger zoom a curve smooth between points two
// pixels apart strays from its closed form by a tenth of a pixel, and each point costs drawing time.
constexpr int kMostCurvePoints = 3;
// Titles and axis labels, in the plots' pixels, as large as the main window's captions at least.
constexpr int kSmallestLabelFont = 14;
// In units of a 360th of the height: the margins, and the largest phasor.
constexpr double kMargin = 8;
constexpr double kLargestPhasor = 72;
// A line of text is this many times its font's size high.
constexpr double kLineSpacing = 1.25;
// The widest caption, "|c₁| = 0.707", in sizes of its font: the captions keep to their places.
constexpr double kCaptionEms = 6.5;

int AtLeast(double pixels) {
    return static_cast<int>(std::ceil(pixels - 1e-9));
}

tk::Rect Place(int x, int y, int width, int height) {
    return {x, y, std::max(1, width), std::max(1, height)};
}

// A place whose width and height are whole multiples of the zoom.
tk::Rect Zoomed(const tk::Rect& r, int zoom) {
    return Place(r.x, r.y, r.width / zoom * zoom, r.height / zoom * zoom);
}

// The plots' sizes, in their own pixels.
// The height that the sizes are shares of: the window's, but for a window narrower than 4:3, whose
// width would leave the plots too little room for text of its height's shares.
double ReferenceHeight(int width, int height) {
    return std::min(static_cast<double>(height), width * kNarrowest);
}

void SizePlots(PresentationLayout& layout, double height) {
    const double unit = height * kLineShare;
    layout.zoom = std::max(1, static_cast<int>(unit + kZoomRoundUp));
    const double zoom = layout.zoom;
    layout.curvePoints = std::min(layout.zoom, kMostCurvePoints);
    layout.tickFont =
        std::clamp(AtLeast(height * kTickLabelShare / zoom), kSmallestTickFont, kLargestTickFont);
    layout.tickSpacing = layout.tickFont * 7 / 9;
    layout.labelFont = std::max(kSmallestLabelFont, AtLeast(height * kTextShare / zoom));
    // Never under 2 pixels of the window, which are at least 2 of the device.
    layout.curvePen = std::max(AtLeast(unit / zoom), AtLeast(2 / zoom));
}

} // namespace

PresentationLayout LayoutFor(int width, int height, int noteLines) {
    PresentationLayout layout;
    const double reference = ReferenceHeight(width, height);
    SizePlots(layout, reference);
    const double unit = reference * kLineShare;
    const int margin = std::max(4, static_cast<int>(std::lround(kMargin * unit)));
    const int inner = width - 2 * margin;
    const int slot = inner / physics::kComponents;
    layout.pen = std::max(2, static_cast<int>(std::lround(unit)));
    // A narrow window's captions shrink to fit their places.
    layout.textFont =
        std::max(8, std::min(AtLeast(reference * kTextShare), static_cast<int>(slot / kCaptionEms)));
    const int line = static_cast<int>(std::lround(layout.textFont * kLineSpacing));

    // The top line: the clock at the left, the states shown at the right, the note on the scale
    // between them.
    const int third = inner / 3;
    layout.clock = Place(margin, margin, third, line);
    layout.shown = Place(width - margin - third / 2, margin, third / 2, line);
    layout.scaleNote = Place(margin + third, margin, inner - third - third / 2, line);
    const int noteHeight = std::clamp(noteLines, 0, kMostNoteLines) * line;
    layout.note = Place(margin, margin + line, inner, noteHeight);
    const int plotsTop = margin + line + noteHeight + margin / 2;

    // The bottom: the captions' two lines, and the phasors above them as large as their places allow.
    const int captionsTop = height - margin - 2 * line;
    // The plots are as small as they can be and still show their axes and their legends' line: a
    // note's band is taken from the phasors.
    const int diameter = std::max(
        8, std::min(slot - margin, static_cast<int>(std::lround(kLargestPhasor * unit))) - noteHeight);
    const int phasorsTop = captionsTop - diameter;
    for (int k = 0; k < physics::kComponents; ++k) {
        const int left = margin + k * slot;
        layout.phasors[k] = Place(left + (slot - diameter) / 2, phasorsTop, diameter, diameter);
        layout.captions[k] = Place(left, captionsTop, slot, 2 * line);
    }

    const int plotsHeight = phasorsTop - margin - plotsTop;
    if (width >= height) {
        const int plotWidth = (inner - margin) / 2;
        layout.wavefunction = Zoomed({margin, plotsTop, plotWidth, plotsHeight}, layout.zoom);
        layout.density = Zoomed({margin + plotWidth + margin, plotsTop, plotWidth, plotsHeight}, layout.zoom);
    } else {
        const int plotHeight = (plotsHeight - margin) / 2;
        layout.wavefunction = Zoomed({margin, plotsTop, inner, plotHeight}, layout.zoom);
        layout.density = Zoomed({margin, plotsTop + plotHeight + margin, inner, plotHeight}, layout.zoom);
    }
    layout.message = Place(margin, margin, inner, height - 2 * margin);
    return layout;
}
