#include "presentation/plot_overlays.h"

#include "graph/drawing_state.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace plot_overlays {

namespace {

// The bar of the spread, as a share of the y range from its bottom, and the half height of its ends.
constexpr double kBarHeight = 0.85;
constexpr double kBarEnd = 0.04;

int Rounded(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

void DrawLegend(Graph& g, tk::Color real, tk::Color imaginary, int pen, int font) {
    tk::Graphics& gx = g.Target();
    const KeepDrawingState keep(gx);
    g.SetFontInfo(tk::kSystemFont, font, false, false);
    const std::array<const char*, 2> names{"Re ψ", "Im ψ"};
    const int pad = font / 2;
    const int stroke = 2 * font;
    const int line = Rounded(1.25 * font);
    const int textWidth =
        static_cast<int>(std::ceil(std::max(gx.StringWidth(names[0]), gx.StringWidth(names[1]))));
    const int width = 3 * pad + stroke + textWidth;
    const int height = 2 * pad + 2 * line;
    const int left = g.GLeft + g.GWidth - pad - width;
    const int top = g.GTop + pad;
    g.SetColor(g.CWhite);
    gx.FillRect(left, top, width, height);
    g.SetColor(g.CBlack);
    gx.DrawRect(left, top, width, height);
    const std::array<tk::Color, 2> colors{real, imaginary};
    for (int i = 0; i < 2; ++i) {
        const int baseline = top + pad + (i + 1) * line - (line - font) / 2 - font / 5;
        const int middle = baseline - font * 3 / 10;
        g.SetColor(colors[i]);
        gx.SetPenSize(pen);
        gx.DrawLine(left + pad, middle, left + pad + stroke - pen, middle);
        g.SetColor(g.CBlack);
        gx.DrawString(names[i], left + 2 * pad + stroke, baseline);
    }
}

void DrawSpread(Graph& g, SmoothCurve& curve, const physics::Moments& position, tk::Color color, int pen,
                int font) {
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

    // Beside the bar, where it is clear of the line through the mean: right of it, or left where the
    // plot ends first (over the bar only where neither side has room); on a patch of the background.
    g.SetFontInfo(tk::kSystemFont, font, false, false);
    const char* label = "⟨x⟩ ± Δx";
    const int width = static_cast<int>(std::ceil(gx.StringWidth(label)));
    const int gap = font / 2;
    const int right = Rounded(SmoothCurve::Column(g, high)) + gap;
    const int left = right + width <= g.GLeft + g.GWidth
                         ? right
                         : std::max(g.GLeft + gap, Rounded(SmoothCurve::Column(g, low)) - gap - width);
    const int baseline = Rounded(SmoothCurve::Row(g, bar)) + font * 3 / 8;
    g.SetColor(g.CWhite);
    gx.FillRect(left, baseline - font, width, Rounded(1.25 * font));
    g.SetColor(color);
    gx.DrawString(label, left, baseline);
}

} // namespace plot_overlays
