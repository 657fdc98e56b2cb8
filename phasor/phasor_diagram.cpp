#include "phasor/phasor_diagram.h"

#include "physics/box.h"
#include "toolkit/color.h"

#include <algorithm>
#include <cmath>

namespace {

using physics::kDegreesToRadians;

struct EndPoint {
    double x;
    double y;
};

// The end of the line from the centre (r, r) as far as it stays within a box three times the
// picture's size around it: a longer line is clipped there, where the picture clips it anyway, so
// that no coordinate beyond what an integer holds is ever converted.
EndPoint Clipped(EndPoint end, int r, int width, int height) {
    const double reach = 3.0 * std::max(width, height);
    const double dx = end.x - r;
    const double dy = end.y - r;
    const double longest = std::max(std::abs(dx), std::abs(dy));
    if (longest <= reach)
        return end;
    const double scale = reach / longest;
    return {r + dx * scale, r + dy * scale};
}

} // namespace

tk::Graphics* PhasorDiagram::Target() const {
    return GX ? GX->Graphics() : nullptr;
}

void PhasorDiagram::Event_Open() {
    GX = tk::NewPicture(Width(), Height(), 32);
}

void PhasorDiagram::Event_Paint(tk::Graphics& g) {
    if (GX)
        g.DrawPicture(*GX, 0, 0);
}

void PhasorDiagram::Update() {
    tk::Graphics* g = Target();
    if (!g)
        return;
    Draw(*g, GX->Width(), GX->Height(), true);
    updated_ = true;
    Refresh(true);
}

// The screen shows the cleared picture at once: a diagram left showing its old line would say that
// it still matches the fields.
void PhasorDiagram::Blank() {
    updated_ = false;
    if (tk::Graphics* g = Target())
        g->ClearRect(0, 0, GX->Width(), GX->Height());
    Refresh(true);
}

void PhasorDiagram::Print(tk::Graphics& g) const {
    if (GX)
        Draw(g, GX->Width(), GX->Height(), updated_);
}

void PhasorDiagram::Draw(tk::Graphics& g, int width, int height, bool withPhasor) const {
    g.ClearRect(0, 0, width, height);
    if (!withPhasor)
        return;
    DrawCircle(g, width, height);
    DrawRadius(g, width, height);
}

void PhasorDiagram::DrawCircle(tk::Graphics& g, int width, int height) const {
    const int d = std::min(width, height);
    const tk::Color lineColor = g.ForeColor();
    if (tooFast)
        g.SetForeColor(tk::kCurveRed);
    g.DrawOval(0, 0, d, d);
    g.SetForeColor(lineColor);
}

std::optional<tk::Point> PhasorDiagram::DrawRadius(tk::Graphics& g, int width, int height) const {
    const int r = std::min(width, height) / 2;
    const EndPoint end{r * (1.0 + magn * std::cos(angle * kDegreesToRadians)),
                       r * (1.0 - magn * std::sin(angle * kDegreesToRadians))};
    // A magnitude or angle that is no finite number has no direction: the circle stands alone.
    if (!std::isfinite(end.x) || !std::isfinite(end.y))
        return std::nullopt;
    const EndPoint shown = Clipped(end, r, width, height);
    const tk::Point to{static_cast<int>(shown.x), static_cast<int>(shown.y)};
    g.DrawLine(r, r, to.x, to.y);
    return to;
}
