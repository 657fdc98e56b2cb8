#include "graph/axes_picture.h"

#include "graph/drawing_state.h"

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
    if (!picture_) {
        g.Redefine();
        return;
    }
    g.Target().DrawPicture(*picture_, 0, 0);
    if (withoutXAxis_) {
        const KeepDrawingState keep(g.Target());
        g.SetColor(g.CBlack);
        g.zDrawXAxis();
    }
}

void AxesPicture::StartFrameOver(Graph& g, std::span<const tk::Rect> drawnOver) const {
    if (!picture_ || withoutXAxis_) {
        StartFrame(g);
        return;
    }
    for (const tk::Rect& place : drawnOver)
        g.Target().DrawPicture(*picture_, place, place);
}
