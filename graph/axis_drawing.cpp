// What surrounds the data: the title and axis labels, ticks with their labels and power of ten, the
// grid and the zero lines, and the measuring of tick labels for the layout.

#include "graph/axis_model.h"
#include "graph/drawing_state.h"
#include "graph/graph.h"
#include "graph/pixels.h"
#include "toolkit/numbers.h"

#include <algorithm>
#include <cmath>
#include <string>

using axes::Axis;
using axes::kGap;

namespace {

constexpr std::int32_t kMajorTickLength = 5;
constexpr std::int32_t kMinorTickLength = 3;

tk::Point Along(tk::Point from, tk::Point direction, std::int32_t distance) {
    return {from.x + direction.x * distance, from.y + direction.y * distance};
}

// Draws one axis. The algorithm is the same for both; the subclasses say where the frame line
// carrying the ticks is, which way the ticks point and where the labels go.
class AxisPainter {
public:
    AxisPainter(Graph& g, const Axis& axis, std::string op)
        : g_(g), gx_(g.Target()), axis_(axis), op_(std::move(op)) {}
    virtual ~AxisPainter() = default;

    // Ticks and their labels in the colour on entry, then the grid, then the zero line.
    void Draw() {
        const KeepDrawingState keep(gx_);
        const axes::TickSteps steps = axes::StepsOf(axis_.Scale());
        const axes::TickRange ticks = axes::DefinedTicks(axis_, op_);
        const bool hasTicks = axes::HasTicks(axis_.flags);
        if (hasTicks)
            DrawTicks(steps, ticks);
        if (g_.HasGrid) {
            g_.SetColor(g_.CGrid);
            DrawGrid(steps, ticks, hasTicks ? 1 : 0);
        }
        if (axis_.min < 0 && 0 < axis_.max && (axis_.flags & axes::kZeroLineBit))
            DrawZeroLine();
    }

protected:
    // The point at pixel p along the axis on the frame line that carries the ticks, and on the
    // frame line opposite it.
    virtual tk::Point OnFrame(std::int32_t p) const = 0;
    virtual tk::Point OnOppositeFrame(std::int32_t p) const = 0;
    // The unit step from the graph rectangle out across the tick-carrying frame line.
    virtual tk::Point Outward() const = 0;
    virtual void DrawTickLabel(std::int32_t p, const std::string& label) = 0;
    virtual void DrawPowerLabel(std::int32_t p, const std::string& sstring) = 0;

    Graph& g_;
    tk::Graphics& gx_;

private:
    std::int32_t PixelOf(const axes::TickSteps& steps, std::int64_t i) {
        return (g_.*axis_.coord)(static_cast<double>(i) * steps.minor * steps.scale);
    }

    void Line(tk::Point from, tk::Point to) { gx_.DrawLine(from.x, from.y, to.x, to.y); }

    void Tick(std::int32_t p, std::int32_t length) { Line(OnFrame(p), Along(OnFrame(p), Outward(), length)); }

    void DrawTicks(const axes::TickSteps& steps, const axes::TickRange& ticks) {
        g_.SetFontInfo(g_.TickFont, g_.TickFSize);
        const std::string pattern = g_.zTickFormat(steps.major);
        std::int64_t nextMajor = ticks.firstMajor;
        for (std::int64_t i = ticks.first; i <= ticks.last; ++i) {
            const std::int32_t p = PixelOf(steps, i);
            if (i == nextMajor) {
                Tick(p, kMajorTickLength);
                DrawTickLabel(p, axes::TickLabel(i, steps, pattern));
                nextMajor += steps.perMajor;
                // Beside the major tick nearest the top or the right end; measured while the tick
                // font is set, so the power label carries it.
                const bool endMajor =
                    axes::IsReversed(axis_.flags) ? i == ticks.firstMajor : nextMajor > ticks.last;
                if (endMajor && axis_.tPower != 0)
                    DrawPowerLabel(p, g_.SetSString("!x10^" + tk::Str(axis_.tPower) + "^!"));
            } else if (axis_.flags & axes::kMinorTicksBit) {
                Tick(p, kMinorTickLength);
            }
        }
    }

    // Always black, whatever the colour of the ticks.
    void DrawZeroLine() {
        g_.SetColor(tk::kBlack);
        const std::int32_t p0 = (g_.*axis_.coord)(0);
        Line(OnFrame(p0), OnOppositeFrame(p0));
    }

    // Grid lines stand at major ticks, never on a frame line, and keep `inset` pixels off both
    // frame lines so that they do not run into the ticks.
    void DrawGrid(const axes::TickSteps& steps, const axes::TickRange& ticks, std::int32_t inset) {
        const tk::Point inward = Along({0, 0}, Outward(), -1);
        std::int64_t nextMajor = ticks.firstMajor;
        for (std::int64_t i = ticks.first; i <= ticks.last; ++i) {
            const std::int32_t p = PixelOf(steps, i);
            if (i != nextMajor)
                continue;
            nextMajor += steps.perMajor;
            if (p == axis_.origin || p == axis_.origin + axis_.extent)
                continue;
            Line(Along(OnFrame(p), inward, inset), Along(OnOppositeFrame(p), Outward(), inset));
        }
    }

    const Axis axis_;
    const std::string op_;
};

// Ticks hang down from the bottom frame line; labels are centred under them.
class XAxisPainter : public AxisPainter {
public:
    explicit XAxisPainter(Graph& g) : AxisPainter(g, axes::XAxis(g), "zDrawXAxis") {}

protected:
    std::int32_t Bottom() const { return g_.GTop + g_.GHeight; }
    tk::Point OnFrame(std::int32_t p) const override { return {p, Bottom()}; }
    tk::Point OnOppositeFrame(std::int32_t p) const override { return {p, g_.GTop}; }
    tk::Point Outward() const override { return {0, 1}; }

    void DrawTickLabel(std::int32_t p, const std::string& label) override {
        const std::int32_t halfWidth = pixels::Truncated(gx_.StringWidth(label) / 2);
        gx_.DrawString(label, p - halfWidth, Bottom() + 15);
    }

    void DrawPowerLabel(std::int32_t p, const std::string& sstring) override {
        g_.DrawSString(sstring, p, Bottom() + 25, 2);
    }
};

// Ticks point left from the left frame line; labels end 7 pixels left of it.
class YAxisPainter : public AxisPainter {
public:
    explicit YAxisPainter(Graph& g) : AxisPainter(g, axes::YAxis(g), "zDrawYAxis") {}

protected:
    tk::Point OnFrame(std::int32_t p) const override { return {g_.GLeft, p}; }
    tk::Point OnOppositeFrame(std::int32_t p) const override { return {g_.GLeft + g_.GWidth, p}; }
    tk::Point Outward() const override { return {-1, 0}; }

    void DrawTickLabel(std::int32_t p, const std::string& label) override {
        const std::int32_t width = pixels::Truncated(gx_.StringWidth(label));
        gx_.DrawString(label, g_.GLeft - width - 7, p + 3);
    }

    void DrawPowerLabel(std::int32_t p, const std::string& sstring) override {
        g_.DrawSString(sstring, g_.GLeft - 7, p + 13, 3);
    }
};

// The width in pixels of the wider of the labels of the first and last major tick of a defined axis,
// in the style the layout measures them in; the Graph's text style stays. Each end is taken with a
// tolerance of 5 % of a major step, whether or not a minor tick reaches that far.
std::int32_t WidestTickLabel(Graph& g, const Axis& axis) {
    const axes::AxisScale scale = axis.Scale();
    const std::string pattern = g.zTickFormat(axes::StepsOf(scale).major);
    const auto [first, last] = axes::OuterMajorValues(scale);
    tk::Graphics& gx = g.Target();
    const KeepDrawingState keep(gx);
    g.SetFontInfo(g.TickRoomFont, g.TickRoomFSize, false, false);
    return std::max(pixels::Truncated(gx.StringWidth(tk::Format(first, pattern))),
                    pixels::Truncated(gx.StringWidth(tk::Format(last, pattern))));
}

} // namespace

void Graph::zDrawLabels() {
    const std::int32_t centre = pixels::Truncated(GLeft + GWidth / 2.0);
    DrawSString(Title, centre, pixels::Truncated(GTop - kGap - GetSSHeight(Title) / 2.0), 5);

    // Below the frame line, or below the band of tick labels.
    const std::int32_t xLabelGap = axes::HasTicks(XFlags) ? kGap + axes::kTickLabelBand : kGap;
    DrawSString(XLabel, centre, pixels::Truncated(GTop + GHeight + xLabelGap + GetSSHeight(XLabel) / 2.0), 5);

    const std::int32_t yLabelEdge = axes::HasTicks(YFlags) ? GLeft - zYTickWidth() - 2 * kGap : GLeft - kGap;
    DrawSString(YLabel, pixels::Truncated(yLabelEdge - GetSSWidth(YLabel) / 2.0),
                pixels::Truncated(GTop + GHeight / 2.0), 5);
}

void Graph::zDrawXAxis() {
    XAxisPainter(*this).Draw();
}
void Graph::zDrawYAxis() {
    YAxisPainter(*this).Draw();
}

std::int32_t Graph::zXTickWidth() {
    return WidestTickLabel(*this, axes::XAxis(*this));
}
std::int32_t Graph::zYTickWidth() {
    return WidestTickLabel(*this, axes::YAxis(*this));
}

std::string Graph::zTickFormat(double majorStep) {
    if (majorStep >= 1)
        return "-#0";
    if (majorStep >= 0.1)
        return "-#0.0";
    if (majorStep >= 0.01)
        return "-#0.00";
    if (majorStep >= 0.001)
        return "-#0.000";
    return "-#0.0000";
}
