#include "presentation/kept_circle_phasor.h"

#include <algorithm>
#include <array>

void KeptCirclePhasor::Event_Open() {
    circle_.reset();
    lineBox_.reset();
    blank_ = false;
    PhasorDiagram::Event_Open();
}

void KeptCirclePhasor::Blank() {
    if (blank_)
        return;
    lineBox_.reset();
    blank_ = true;
    PhasorDiagram::Blank();
}

KeptCirclePhasor::Look KeptCirclePhasor::Wanted(const tk::Graphics& g) const {
    return {GX->Width(), GX->Height(), g.PenSize(), g.ForeColor(), tooFast};
}

bool KeptCirclePhasor::KeepCircle(const Look& look) {
    if (circle_ && kept_ == look)
        return true;
    lineBox_.reset();
    circle_ = tk::NewPicture(look.width, look.height, 32);
    tk::Graphics* g = circle_ ? circle_->Graphics() : nullptr;
    if (!g) {
        circle_.reset();
        return false;
    }
    g->SetPenSize(look.pen);
    g->SetForeColor(look.color);
    g->ClearRect(0, 0, look.width, look.height);
    DrawCircle(*g, look.width, look.height);
    kept_ = look;
    return true;
}

// The line's pixels stay within its pen's width of its two ends, whatever its caps.
tk::Rect KeptCirclePhasor::LineBox(std::optional<tk::Point> end, int pen) const {
    const int r = std::min(GX->Width(), GX->Height()) / 2;
    const tk::Point to = end.value_or(tk::Point{r, r});
    const int margin = pen + 1;
    const int left = std::max(0, std::min(r, to.x) - margin);
    const int top = std::max(0, std::min(r, to.y) - margin);
    const int right = std::min(GX->Width(), std::max(r, to.x) + margin + 1);
    const int bottom = std::min(GX->Height(), std::max(r, to.y) + margin + 1);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

void KeptCirclePhasor::Update() {
    tk::Graphics* g = Target();
    if (!g)
        return;
    if (!KeepCircle(Wanted(*g))) {
        PhasorDiagram::Update();
        return;
    }
    const std::optional<tk::Rect> last = lineBox_;
    if (last)
        g->DrawPicture(*circle_, *last, *last);
    else
        g->DrawPicture(*circle_, 0, 0);
    lineBox_ = LineBox(DrawRadius(*g, GX->Width(), GX->Height()), g->PenSize());
    MarkShown();
    blank_ = false;
    if (!last) {
        Refresh(true);
        return;
    }
    const std::array<tk::Rect, 2> places{*last, *lineBox_};
    RefreshPlaces(places);
}
