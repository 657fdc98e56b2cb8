#include "graph/graph.h"

#include "graph/axis_scale.h"
#include "graph/drawing_state.h"
#include "toolkit/exceptions.h"
#include "toolkit/font.h"

#include <optional>
#include <utility>

namespace {

// An owner's event: its result, or the type's zero when the owner attached no handler.
template <typename Result> Result Raise(const std::function<Result()>& event) {
    if (event)
        return event();
    return Result();
}

// A frame dimension the owner may ask for when it supplies a scroll bar; 0 means the control's own.
std::int32_t FrameSize(tk::ScrollBar* bar, const std::function<int()>& query, std::int32_t controlSize) {
    if (!bar)
        return controlSize;
    const std::int32_t wanted = Raise(query);
    return wanted == 0 ? controlSize : wanted;
}

std::int32_t SupportedDepth(std::int32_t wanted) {
    for (std::int32_t depth : {1, 2, 4, 8, 16, 32})
        if (wanted == depth)
            return depth;
    return 32;
}

// Sets a scroll bar up for a frame dimension shown in a control dimension. A frame that fits
// needs no scrolling, so its bar is disabled and the offset goes back to the frame's start.
void FitScrollBar(tk::ScrollBar* bar, std::int32_t frameSize, std::int32_t controlSize,
                  std::int32_t& offset) {
    if (!bar)
        return;
    bar->SetMinimum(0);
    bar->SetLineStep(10);
    bar->SetPageStep(50);
    const std::int64_t hidden = std::int64_t(frameSize) - controlSize;
    if (hidden < 1) {
        bar->SetEnabled(false);
        offset = 0;
        return;
    }
    bar->SetEnabled(true);
    bar->SetMaximum(std::int32_t(hidden));
}

// While a plot goes to a printer: the printer is the drawing target and nothing is copied to the
// screen. However the print ends, the frame's context is the target again afterwards.
class PrintingScope {
public:
    PrintingScope(Graph& graph, tk::Graphics& printer) : graph_(graph), screenTarget_(graph.GX) {
        graph.GX = &printer;
    }
    ~PrintingScope() {
        graph_.Printing = false;
        graph_.GX = screenTarget_;
    }
    PrintingScope(const PrintingScope&) = delete;
    PrintingScope& operator=(const PrintingScope&) = delete;

private:
    Graph& graph_;
    tk::Graphics* screenTarget_;
};

// The text style and colour a frame starts with, and a print too.
void UseFrameStyle(Graph& g) {
    g.SetFontInfo(tk::kSystemFont, 12, false, false);
    g.SetColor(g.CBlack);
}

// Tick labels in the standard font, 9 pixels high. The layout leaves them the room they take in
// "Helvetica" 9, a little less than their own: the default plots (the main window's) are laid out so.
void UseDefaultTickStyle(Graph& g) {
    g.SetTickFontInfo(tk::kSystemFont, 9);
    g.TickRoomFont = tk::kHelveticaFont;
    g.TickRoomFSize = 9;
}

} // namespace

Graph::~Graph() = default;

tk::Graphics& Graph::Target() {
    if (!GX)
        throw tk::NilObjectException("Graph: no drawing target");
    return *GX;
}

tk::Picture& Graph::Frame() {
    if (!GXP)
        throw tk::NilObjectException("Graph: no frame picture");
    return *GXP;
}

void Graph::MakeFrame(const std::string& operation) {
    GX = nullptr;
    GXP.reset();
    GXP = tk::NewPicture(FWidth, FHeight, FDepth, Zoom());
    if (!GXP)
        throw GraphError(operation + ": Picture Initialization Failure");
    GX = GXP->Graphics();
    if (!GX)
        throw GraphError(operation + ": GX Initialization Failure");
}

void Graph::CopyFrameTo(tk::Graphics& g) {
    const std::int32_t width = Width();
    const std::int32_t height = Height();
    g.DrawPicture(Frame(), tk::Rect{0, 0, width, height}, tk::Rect{ScPixH, ScPixV, width, height});
}

void Graph::Event_Open() {
    SBV = Raise(ScrollQueryV);
    SBH = Raise(ScrollQueryH);
    FHeight = FrameSize(SBV, HeightQuery, Height());
    FWidth = FrameSize(SBH, WidthQuery, Width());
    FDepth = SupportedDepth(Raise(DepthQuery));
    MakeFrame("Graph.Open");

    ScPixH = 0;
    ScPixV = 0;
    zSBVAdjust();
    zSBHAdjust();

    InvLog10 = axes::kInvLog10;
    CBlack = tk::kBlack;
    CWhite = tk::kWhite;
    CGrid = tk::kGridGrey;
    RErr = false;
    Printing = false;
    HasGrid = false;
    PrevCurvH = PrevCurvV = 0;
    GHeight = GLeft = GTop = GWidth = 0;

    UseFrameStyle(*this);
    UseDefaultTickStyle(*this);
    SetXColor(CBlack);
    SetYColor(CBlack);
    XLabel.clear();
    YLabel.clear();
    XFlags = YFlags = 0;
    SetXAdjust(true);
    SetYAdjust(true);
    SetXMajTix(true);
    SetYMajTix(true);
    SetXMinTix(true);
    SetYMinTix(true);
    SetXTixPix(7);
    SetYTixPix(7);
    SetXZeroLn(false);
    SetYZeroLn(false);
    XMax = XMin = YMax = YMin = 0;
    XVtoPix = YVToPix = 0;
    XTickN = XTPower = YTickN = YTPower = 0;
    Title.clear();

    ClearFrame();
    Raise(Open);
    UpdateScreen();
}

void Graph::Event_Close() {
    GXP.reset();
    GX = nullptr;
    Raise(Close);
}

// A control whose frame could not be made, or is gone, shows nothing; the failure was reported
// where it happened, not again at every repaint.
void Graph::Event_Paint(tk::Graphics& g) {
    if (GXP)
        CopyFrameTo(g);
}

void Graph::zSBHAdjust() {
    FitScrollBar(SBH, FWidth, Width(), ScPixH);
}

void Graph::zSBVAdjust() {
    FitScrollBar(SBV, FHeight, Height(), ScPixV);
}

void Graph::SetColor(tk::Color c) {
    Target().SetForeColor(c);
}

void Graph::SetXColor(tk::Color c) {
    XColor = c;
}

void Graph::SetYColor(tk::Color c) {
    YColor = c;
}

void Graph::SetXLabel(const std::string& markup) {
    XLabel = SetSString(markup);
}

void Graph::SetYLabel(const std::string& markup) {
    YLabel = SetSString(markup);
}

void Graph::SetGrid(bool on) {
    HasGrid = on;
}

// The frame's size, not the target's: a printed plot is laid out like the frame.
void Graph::ClearFrame() {
    tk::Graphics& g = Target();
    const tk::Picture& frame = Frame();
    const KeepDrawingState keep(g);
    SetColor(CWhite);
    g.FillRect(0, 0, frame.Width(), frame.Height());
}

void Graph::UpdateScreen() {
    if (Printing)
        return;
    if (auto screen = ScreenGraphics())
        CopyFrameTo(*screen);
}

void Graph::GetContent() {
    Raise(DrawContent);
    UpdateScreen();
}

void Graph::GetContentForRepaint() {
    Raise(DrawContent);
    Refresh(false);
}

void Graph::ReDrawAll() {
    Frame();
    if (GWidth == 0)
        throw GraphError("ReDrawAll: Graph has not been defined");
    Redefine();
    GetContent();
}

void Graph::Redefine() {
    DefineGraph(XMin, XMax, YMin, YMax);
}

bool Graph::IsDefined() const {
    return GXP && GWidth != 0;
}

void Graph::DrawFrameInto(tk::Graphics& g, tk::Rect place) const {
    if (GXP)
        g.DrawPicture(*GXP, place, tk::Rect{0, 0, GXP->Width(), GXP->Height()});
}

void Graph::HandleHScroll(std::int32_t offset) {
    ScPixH = offset;
    UpdateScreen();
}

void Graph::HandleVScroll(std::int32_t offset) {
    ScPixV = offset;
    UpdateScreen();
}

// A dimension without a scroll bar follows the control, so the frame is made again at the new size;
// with both bars the frame keeps its size and only the bars change.
void Graph::HandleResize() {
    if (SBH)
        zSBHAdjust();
    else
        FWidth = Width();
    if (SBV)
        zSBVAdjust();
    else
        FHeight = Height();
    if (!SBH || !SBV) {
        // The owner's text style, colour and pen size outlive the picture they were set on, if there
        // was one.
        std::optional<DrawingState> carried;
        if (GX)
            carried = DrawingState::Of(*GX);
        MakeFrame("HandleResize");
        if (carried)
            carried->ApplyTo(Target());
        ReDrawAll();
    }
    UpdateScreen();
}

void Graph::PrintGraph(tk::Graphics* g) {
    if (!g)
        return;
    PrintingScope printing(*this, *g);
    UseFrameStyle(*this);
    Printing = true;
    ReDrawAll();
}
