#include "presentation/plot_overlays.h"

#include "graph/axis_model.h"
#include "graph/drawing_state.h"
#include "graph/sstring_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace plot_overlays {

namespace {

// The bar of the spread, as a share of the y range from its bottom, and the half height of its ends.
constexpr double kBarHeight = 0.85;
constexpr double kBarEnd = 0.04;

// In sizes of the legend's font: a stroke, the gap after it, and the gap between two entries.
constexpr double kStrokeEms = 2;
constexpr double kGapEms = 0.5;
constexpr double kSpacingEms = 1.5;

int Rounded(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

void DrawLegend(Graph& g, std::span<const LegendEntry> entries, int pen, int font) {
    tk::Graphics& gx = g.Target();
    const KeepDrawingState keep(gx);
    g.SetFontInfo(tk::kSystemFont, font, false, false);
    const int stroke = Rounded(kStrokeEms * font);
    const int gap = Rounded(kGapEms * font);
    const int spacing = Rounded(kSpacingEms * font);
    int width = 0;
    for (const LegendEntry& entry : entries)
        width += (width > 0 ? spacing : 0) + stroke + gap +
                 static_cast<int>(std::ceil(gx.StringWidth(entry.name)));
    // Centred like the title, but within the frame. The Graph draws the title's lines down to kGap
    // above the graph rectangle.
    int left = std::clamp(g.GLeft + g.GWidth / 2 - width / 2, 0, std::max(0, g.FWidth - width));
    const std::optional<sstring::Layout> title = sstring::ReadLayout(g.Title);
    const int line = title ? title->lineHeight : 0;
    const int middle = g.GTop - axes::kGap - line / 2;
    const int baseline = middle + font * 3 / 10;
    const int textPen = gx.PenSize();
    for (const LegendEntry& entry : entries) {
        g.SetColor(entry.color);
        gx.SetPenSize(pen);
        gx.DrawLine(left, middle, left + stroke - pen, middle);
        gx.SetPenSize(textPen);
        left += stroke + gap;
        g.SetColor(g.CBlack);
        gx.DrawString(entry.name, left, baseline);
        left += static_cast<int>(std::ceil(gx.StringWidth(entry.name))) + spacing;
    }
}

void DrawSpread(Graph& g, SmoothCurve& curve, const physics::Moments& position, tk::Color color, int pen) {
    tk::Graphics& gx = g.Target();
    const KeepDrawingState keep(gx);
    g.SetColor(color);
    gx.SetPenSize(pen);
    const double mean = position.mean;
    const double low = std::max(g.XMin, mean - position.spread);
    const double high = std::min(g.XMax, mean + position.spread);
    const double range = g.YMax - g.YMin;
    const double bar = g.YMin + kBarHeight * range;
    const double end = kBarEnd * range;
    const std::array<tk::PointF, 2> across{{{mean, g.YMin}, {mean, g.YMax}}};
    const std::array<tk::PointF, 2> band{{{low, bar}, {high, bar}}};
    const std::array<tk::PointF, 2> lowEnd{{{low, bar - end}, {low, bar + end}}};
    const std::array<tk::PointF, 2> highEnd{{{high, bar - end}, {high, bar + end}}};
    for (const auto& points : {across, band, lowEnd, highEnd})
        curve.DrawThrough(g, points);
}

} // namespace plot_overlays
