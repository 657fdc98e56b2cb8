#include "presentation/presentation_layout.h"

#include <algorithm>
#include <cmath>

namespace {

// The window size at which everything has the main window's sizes.
constexpr double kBaseWidth = 960;
constexpr double kBaseHeight = 540;
// The plots share their height as the main window's do: 300 to 250.
constexpr double kWavefunctionShare = 300.0 / 550.0;
// The Graph sets the baselines of its tick labels at fixed distances: 15 pixels below the x axis,
// whose ticks reach 5 below it, and 3 below a y tick. Digits of larger labels than these (8.8 pixels
// high) would touch the ticks above them.
constexpr int kLargestTickFont = 12;

int Scaled(double base, double scale) {
    return static_cast<int>(std::lround(base * scale));
}

tk::Rect Place(int x, int y, int width, int height) {
    return {x, y, std::max(1, width), std::max(1, height)};
}

// A place whose width and height are whole multiples of the zoom.
tk::Rect Zoomed(const tk::Rect& r, int zoom) {
    return Place(r.x, r.y, r.width / zoom * zoom, r.height / zoom * zoom);
}

} // namespace

PresentationLayout LayoutFor(int width, int height) {
    const double scale = std::min(width / kBaseWidth, height / kBaseHeight);
    PresentationLayout layout;
    layout.zoom = std::max(1, static_cast<int>(scale + 0.01));
    const double textScale = scale / layout.zoom;
    layout.tickFont = std::clamp(Scaled(9, textScale), 9, kLargestTickFont);
    layout.tickSpacing = layout.tickFont * 7 / 9;
    layout.labelFont = std::max(12, Scaled(12, textScale));
    layout.plotTitleFont = std::max(14, Scaled(14, textScale));
    layout.pen = std::max(1, Scaled(1, scale));
    layout.captionFont = std::max(12, Scaled(12, scale));
    layout.textFont = std::max(14, Scaled(14, scale));

    const int margin = std::max(4, Scaled(8, scale));
    const int diameter = std::max(8, Scaled(64, scale));
    const int captionHeight = layout.captionFont * 3 / 2;
    const int gap = Scaled(24, scale);
    const int rowTop = height - margin - diameter - captionHeight;

    const int plotsHeight = rowTop - 3 * margin;
    const int wavefunctionHeight = static_cast<int>(std::lround(plotsHeight * kWavefunctionShare));
    layout.wavefunction = Zoomed({margin, margin, width - 2 * margin, wavefunctionHeight}, layout.zoom);
    layout.density = Zoomed(
        {margin, 2 * margin + wavefunctionHeight, width - 2 * margin, plotsHeight - wavefunctionHeight},
        layout.zoom);

    for (int k = 0; k < physics::kComponents; ++k) {
        const int left = margin + k * (diameter + gap);
        layout.phasors[k] = Place(left, rowTop, diameter, diameter);
        layout.captions[k] = Place(left, rowTop + diameter, diameter, captionHeight);
    }
    const int textLeft = margin + physics::kComponents * (diameter + gap);
    const int textWidth = width - margin - textLeft;
    const int textHeight = (diameter + captionHeight) / 2;
    layout.shown = Place(textLeft, rowTop, textWidth, textHeight);
    layout.clock = Place(textLeft, rowTop + textHeight, textWidth, textHeight);
    layout.message = Place(margin, margin, width - 2 * margin, height - 2 * margin);
    return layout;
}
