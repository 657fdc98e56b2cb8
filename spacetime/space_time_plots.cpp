// The picture and its colour bar: their axes, the heat map, the cursor of the present instant, and
// what the pointer does over the picture.

#include "graph/drawing_state.h"
#include "spacetime/space_time_wndo.h"
#include "toolkit/numbers.h"
#include "toolkit/translation.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr tk::Color kCursorColor = tk::kWhite;
constexpr int kScaleStripWidth = 24;
// The colour bar's title in the plots' markup: "&|" is a bar, "^" begins a superscript and a space ends it.
constexpr const char* kLargestTitle = "&|ψ&|^2 / max";

// Where the pointer is along one axis of the map, as a fraction of it from its start, within it.
double Fraction(int at, int start, int length) {
    return length > 0 ? std::clamp((at - start + 0.5) / length, 0.0, 1.0) : 0.0;
}

} // namespace

void SpaceTimeWndo::GFCarpet_Open() {
    Graph& g = *plot_;
    g.SetXLabel("x/L");
    g.SetYLabel("t/T_1");
    g.SetXAdjust(false);
    g.SetYAdjust(false);
    g.SetYReversed(true); // read from the top, as a page
    g.DefineGraph(0, 1, 0, options_.halfPeriod ? 0.5 : 1.0);
}

// Inside the frame lines of the graph rectangle.
tk::Rect SpaceTimeWndo::MapPlace() const {
    const Graph& g = *plot_;
    return {g.GLeft + 1, g.GTop + 1, std::max(0, g.GWidth - 1), std::max(0, g.GHeight - 1)};
}

// The map, then the ticks again over its edges, where they would be hidden.
void SpaceTimeWndo::DrawMap() {
    Graph& g = *plot_;
    const tk::Picture* map = map_.Picture();
    if (!map)
        return;
    const tk::Rect place = MapPlace();
    g.Target().DrawPicture(*map, place, {0, 0, map->Width(), map->Height()});
    const KeepDrawingState keep(g.Target());
    g.SetColor(g.CBlack);
    g.zDrawXAxis();
    g.zDrawYAxis();
}

void SpaceTimeWndo::GFCarpet_DrawContent() {
    if (!overBase_)
        DrawMap();
    DrawCursor();
}

// A line across the map on the row of the present instant, when it lies within the span shown. The
// row is the map's own, as a press there goes to it: at t = 0 and at the end of the span the line
// lies on the map's first or last row, not on the frame line beside it, where white would not show.
void SpaceTimeWndo::DrawCursor() {
    const double t = Now();
    if (!computed_ || t > carpet_.Span())
        return;
    Graph& g = *plot_;
    const tk::Rect place = MapPlace();
    const int row = static_cast<int>(t / carpet_.Span() * place.height);
    const int y = place.y + std::clamp(row, 0, std::max(0, place.height - 1));
    const KeepDrawingState keep(g.Target());
    g.SetColor(kCursorColor);
    g.Target().DrawLine(place.x, y, place.x + place.width - 1, y);
}

void SpaceTimeWndo::GFScale_Open() {
    Graph& g = *bar_;
    g.SetXMajTix(false);
    g.SetXMinTix(false);
    g.SetYAdjust(false);
    g.SetTitle(kLargestTitle);
    g.DefineGraph(0, 1, 0, 1);
}

// The colours from 0 to the top of their range, titled with what they stand for. A graph
// rectangle is never narrower than 100 pixels, so the colours fill a strip at its left, along the
// ticks, and the rest of it is cleared, frame lines and all.
void SpaceTimeWndo::GFScale_DrawContent() {
    Graph& g = *bar_;
    const double top = Top();
    const bool physical = options_.physical && top > 0;
    const std::string title = physical ? "L·&|ψ&|^2" : kLargestTitle;
    const double high = physical ? top : 1.0;
    if (g.GetSString(g.Title) != title || g.YMax != high) {
        g.SetTitle(title);
        try {
            g.DefineGraph(0, 1, 0, high);
        } catch (const GraphError&) {
            // Tick labels too wide for the bar: it keeps the range it had; the map is right all the same.
        }
    }
    const tk::Rect place{g.GLeft + 1, g.GTop + 1, kScaleStripWidth, std::max(0, g.GHeight - 1)};
    g.Target().ClearRect(place.x + place.width + 1, g.GTop, g.GWidth + 1, g.GHeight + 1);
    const KeepDrawingState keep(g.Target());
    g.SetColor(g.CBlack);
    g.Target().DrawLine(place.x + place.width, g.GTop, place.x + place.width, g.GTop + g.GHeight);
    if (!scale_.Picture() || scale_.Picture()->Height() != place.height) {
        scale_.Make(place.width, place.height, g.Zoom());
        scale_.PaintScale();
    }
    if (const tk::Picture* colours = scale_.Picture())
        g.Target().DrawPicture(*colours, place, {0, 0, colours->Width(), colours->Height()});
}

void SpaceTimeWndo::ScrubTo(int x, int y) {
    if (!computed_ || !run_.Loaded())
        return;
    const tk::Rect place = MapPlace();
    const double t = carpet_.Span() * Fraction(y, place.y, place.height);
    main_.GoTo(t);
    ReadAt(x, y);
}

void SpaceTimeWndo::ReadAt(int x, int y) {
    const tk::Rect place = MapPlace();
    if (!computed_ || x < place.x || y < place.y || x >= place.x + place.width ||
        y >= place.y + place.height) {
        DefaultReading();
        return;
    }
    const double across = Fraction(x, place.x, place.width);
    const double down = Fraction(y, place.y, place.height);
    const int column = std::min(carpet_.Columns() - 1, static_cast<int>(across * carpet_.Columns()));
    const int row = std::min(carpet_.Rows() - 1, static_cast<int>(down * carpet_.Rows()));
    //: The values under the pointer: position, time and the probability density there.
    reading_->SetText(
        tk::Substitute(tk::Translate("SpaceTimeWndo", "x = %1 L    t = %2 T₁    L·|ψ|² = %3"),
                       {tk::Format(carpet_.X(column), "0.000"), tk::Format(carpet_.T(row), "0.000"),
                        tk::Format(carpet_.At(column, row), "0.000")}));
}

void SpaceTimeWndo::DefaultReading() {
    reading_->SetText(tk::Translate("SpaceTimeWndo", "Click or drag in the picture to go to that time; "
                                                     "the arrow keys step a frame."));
}
