#include "graph/axes_picture.h"

#include "graph/drawing_state.h"

#include <algorithm>

void AxesPicture::KeepEmptyPlot(Graph& g, const std::function<void()>& over) {
    g.Redefine();
    if (over)
        over();
    Keep(g, false);
}

void AxesPicture::KeepAllButXAxis(Graph& g) {
    g.zDrawAllButXAxis();
    Keep(g, true);
}

void AxesPicture::Keep(Graph& g, bool withoutXAxis) {
    const tk::Picture& frame = g.Frame();
    withoutXAxis_ = withoutXAxis;
    picture_ = tk::NewPicture(frame.Width(), frame.Height(), frame.Depth(), g.Zoom());
    if (picture_ && picture_->Graphics())
        picture_->Graphics()->DrawPicture(frame, 0, 0);
    else
        picture_.reset();
}

void AxesPicture::StartFrame(Graph& g) const {
    Restore(g, picture_ ? tk::Rect{0, 0, picture_->Width(), picture_->Height()} : tk::Rect{});
}

tk::Rect AxesPicture::StartFrameInGraphRect(Graph& g) const {
    // The largest marker reaches 4 pixels past its point, and its line one more.
    constexpr std::int32_t kReach = 5;
    const std::int32_t top = std::max(0, g.GTop - kReach);
    if (withoutXAxis_)
        return Restore(g, {0, top, g.FWidth, g.FHeight - top});
    const std::int32_t left = std::max(0, g.GLeft - kReach);
    return Restore(g, {left, top, std::min(g.FWidth, g.GLeft + g.GWidth + kReach) - left,
                       std::min(g.FHeight, g.GTop + g.GHeight + kReach) - top});
}

// The part, or the whole frame where nothing was kept and the plot is drawn anew.
tk::Rect AxesPicture::Restore(Graph& g, tk::Rect part) const {
    if (!picture_) {
        g.Redefine();
        return {0, 0, g.FWidth, g.FHeight};
    }
    g.Target().DrawPicture(*picture_, part, part);
    if (withoutXAxis_) {
        const KeepDrawingState keep(g.Target());
        g.SetColor(g.CBlack);
        g.zDrawXAxis();
    }
    return part;
}

void AxesPicture::StartFrameOver(Graph& g, std::span<const tk::Rect> drawnOver) const {
    if (!picture_ || withoutXAxis_) {
        StartFrame(g);
        return;
    }
    for (const tk::Rect& place : drawnOver)
        g.Target().DrawPicture(*picture_, place, place);
}
