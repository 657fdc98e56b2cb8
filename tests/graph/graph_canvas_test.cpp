// The Graph as a canvas on the fake platform, whose pictures record and whose screen is a call log:
// opening and closing, the frame, scrolling, painting, resizing, redrawing and printing.

#include "tests/graph/opened_graph.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using namespace testing_graph;

// A 500 x 300 Graph on a screen, not yet opened.
struct ShownGraph {
    ShownGraph() {
        graph.SetBounds(0, 0, 500, 300);
        graph.AttachPeer(std::make_unique<fake::FakeCanvasPeer>(screen.Log()));
    }
    fake::ScopedFakePlatform fake;
    fake::RecordingGraphics screen; // what is drawn on the screen at once
    Graph graph;
};

class GraphCanvasTest : public ::testing::Test, protected ShownGraph {
protected:
    fake::FakePlatform& platform() { return fake.platform; }
    fake::RecordingGraphics& FrameRecorder() { return *platform().lastPicture->Recorder(); }
    void Forget() {
        FrameRecorder().Clear();
        screen.Clear();
    }
    void SupplyBars(int frameWidth, int frameHeight) {
        graph.ScrollQueryH = [this] { return &barH; };
        graph.ScrollQueryV = [this] { return &barV; };
        graph.WidthQuery = [frameWidth] { return frameWidth; };
        graph.HeightQuery = [frameHeight] { return frameHeight; };
    }
    // Opened with a graph defined on the whole frame, its drawing forgotten.
    void OpenAndDefine() {
        graph.Event_Open();
        graph.DefineGraph(0, 1, 0, 1);
        Forget();
    }

    tk::ScrollBar barH;
    tk::ScrollBar barV;
};

// ---- Opening and closing ----

TEST_F(GraphCanvasTest, OpensInOrderWithEveryDefaultSetBeforeTheOwnerSeesTheGraph) {
    // Left from an earlier opening: all of it is reset.
    graph.RErr = graph.Printing = graph.HasGrid = true;
    graph.GWidth = graph.GHeight = graph.GLeft = graph.GTop = graph.PrevCurvH = graph.PrevCurvV = 5;
    graph.XMax = graph.YMin = graph.XVtoPix = graph.XTickN = graph.YTPower = 5;
    graph.Title = graph.XLabel = graph.YLabel = "x";
    Ops events;
    const auto logged = [&events](const char* name, auto answer) {
        return [&events, name, answer] {
            events.push_back(name);
            return answer;
        };
    };
    graph.ScrollQueryV = logged("ScrollQueryV", &barV);
    graph.ScrollQueryH = logged("ScrollQueryH", &barH);
    graph.HeightQuery = logged("HeightQuery", 0);
    graph.WidthQuery = logged("WidthQuery", 0);
    graph.DepthQuery = logged("DepthQuery", 8);
    graph.Open = [&] {
        events.push_back("Open");
        EXPECT_EQ(FrameRecorder().Ops(), Ops{"FillRect 0 0 500 300"});
        EXPECT_EQ(FrameRecorder().Calls().at(0).color, kWhite);
        EXPECT_TRUE(screen.Calls().empty());
        EXPECT_FALSE(graph.RErr || graph.Printing || graph.HasGrid);
        EXPECT_EQ(graph.GWidth + graph.GHeight + graph.GLeft + graph.GTop + graph.PrevCurvH + graph.PrevCurvV,
                  0);
        EXPECT_EQ(graph.XMax + graph.YMin + graph.XVtoPix + graph.XTickN + graph.YTPower, 0);
        EXPECT_EQ(graph.Title + graph.XLabel + graph.YLabel, "");
        EXPECT_EQ(std::tuple(graph.XFlags, graph.YFlags), std::tuple(231, 231)) << "no zero lines";
        EXPECT_EQ(StyleOf(*graph.GX), Style("System", 12, false, false));
    };
    graph.Event_Open();
    EXPECT_EQ(events,
              (Ops{"ScrollQueryV", "ScrollQueryH", "HeightQuery", "WidthQuery", "DepthQuery", "Open"}));
    EXPECT_EQ(screen.Ops(), Ops{"DrawPicture 0 0 500 300 0 0 500 300"});
}

TEST_F(GraphCanvasTest, DepthIsTheOneAskedForWhenAPictureHasIt) {
    const std::pair<int, int> cases[] = {{0, 32},  {24, 32}, {1, 1},  {2, 2},   {4, 4},  {8, 8},
                                         {16, 16}, {32, 32}, {3, 32}, {64, 32}, {-8, 32}};
    for (const auto& [answer, depth] : cases) {
        graph.DepthQuery = [answer] { return answer; };
        graph.Event_Open();
        EXPECT_EQ(std::tuple(graph.FDepth, graph.GXP->Depth()), std::tuple(depth, depth)) << answer;
    }
}

TEST_F(GraphCanvasTest, FrameSizeIsAskedForOnlyWithAScrollBarAndZeroMeansTheControls) {
    const struct {
        bool barH, barV;
        int widthAnswer, heightAnswer, width, height;
    } cases[] = {{0, 0, 800, 600, 500, 300}, {1, 0, 0, 600, 500, 300},   {1, 0, 800, 600, 800, 300},
                 {0, 1, 800, 0, 500, 300},   {0, 1, 800, 450, 500, 450}, {1, 1, 800, 450, 800, 450}};
    for (const auto& c : cases) {
        graph.ScrollQueryH = [&] { return c.barH ? &barH : nullptr; };
        graph.ScrollQueryV = [&] { return c.barV ? &barV : nullptr; };
        graph.WidthQuery = [&] { return c.widthAnswer; };
        graph.HeightQuery = [&] { return c.heightAnswer; };
        graph.Event_Open();
        EXPECT_EQ(std::tuple(graph.FWidth, graph.FHeight, graph.GXP->Width(), graph.GXP->Height()),
                  std::tuple(c.width, c.height, c.width, c.height))
            << c.barH << c.barV << " " << c.widthAnswer << "x" << c.heightAnswer;
    }
}

TEST_F(GraphCanvasTest, FrameThatCannotBeMadeIsAGraphErrorNamingTheOperation) {
    const std::tuple<bool, bool, std::string> cases[] = {
        {true, false, "Graph.Open: Picture Initialization Failure"},
        {false, false, "Graph.Open: GX Initialization Failure"},
        {true, true, "HandleResize: Picture Initialization Failure"},
        {false, true, "HandleResize: GX Initialization Failure"}};
    for (const auto& [noPicture, resize, message] : cases) {
        platform().failPictures = platform().picturesWithoutGraphics = false;
        graph.Open = nullptr;
        graph.Event_Open();
        bool opened = false;
        graph.Open = [&] { opened = true; };
        platform().failPictures = noPicture;
        platform().picturesWithoutGraphics = !noPicture;
        screen.Clear();
        EXPECT_EQ(GraphErrorOf([&] { resize ? graph.HandleResize() : graph.Event_Open(); }), message);
        EXPECT_FALSE(opened) << message;
        EXPECT_TRUE(screen.Calls().empty()) << message;
    }
}

// How a graph comes to have no frame: closed, or opened while pictures cannot be made, either once a
// graph was defined or before.
void LoseTheFrame(ShownGraph& s, bool defineFirst, bool close) {
    if (defineFirst) {
        s.graph.Event_Open();
        s.graph.DefineGraph(0, 1, 0, 1);
    }
    if (close) {
        s.graph.Event_Close();
        return;
    }
    s.fake.platform.failPictures = true;
    EXPECT_THROW(s.graph.Event_Open(), GraphError);
}

// Without a frame there is nothing to draw on: operations raise NilObjectException, whether their
// arguments are in range or not, rather than drawing on a context that is gone.
TEST(NilTarget, OperationsThatDrawDefineOrRedrawRaiseNilObjectWithoutAFrame) {
    // Primitives are called at v = 0.5, inside the axes from 0 to 1, and at v = 5, outside.
    const std::pair<const char*, std::function<void(Graph&, double)>> operations[] = {
        {"DrawLine", [](Graph& g, double v) { g.DrawLine(v, v, v, 0.1); }},
        {"DrawPoint", [](Graph& g, double v) { g.DrawPoint(v, v); }},
        {"DrawShape", [](Graph& g, double v) { g.DrawShape(v, v, 3); }},
        {"DrawBar", [](Graph& g, double v) { g.DrawBar(v, v, 0.1); }},
        {"DrawXUBar", [](Graph& g, double v) { g.DrawXUBar(v, v, 0.1, 0.1); }},
        {"DrawYUBar", [](Graph& g, double v) { g.DrawYUBar(v, v, 0.1, 0.1); }},
        {"DrawVector", [](Graph& g, double v) { g.DrawVector(v, v, 0.3, 0.3); }},
        {"CurveTo", [](Graph& g, double v) { g.CurveTo(v, v); }},
        {"DefineGraph", [](Graph& g, double v) { g.DefineGraph(0, v, 0, v); }},
        {"DefSqGraph", [](Graph& g, double v) { g.DefSqGraph(0, v); }},
        {"ReDrawAll", [](Graph& g, double) { g.ReDrawAll(); }},
        {"ClearFrame", [](Graph& g, double) { g.ClearFrame(); }},
        {"UpdateScreen", [](Graph& g, double) { g.UpdateScreen(); }},
        {"GetContent", [](Graph& g, double) { g.GetContent(); }}};
    // Closed after a definition, first opening failed, re-opening failed after a definition.
    for (const auto& [defineFirst, close] : {std::pair(true, true), {false, false}, {true, false}}) {
        SCOPED_TRACE(::testing::Message() << "defined " << defineFirst << ", closed " << close);
        for (const auto& [operation, call] : operations)
            for (double v : {0.5, 5.0}) {
                SCOPED_TRACE(::testing::Message() << operation << " at " << v);
                ShownGraph s;
                LoseTheFrame(s, defineFirst, close);
                EXPECT_THROW(call(s.graph, v), tk::NilObjectException);
            }
        ShownGraph s;
        LoseTheFrame(s, defineFirst, close);
        fake::RecordingGraphics painted;
        EXPECT_NO_THROW(s.graph.Event_Paint(painted));
        EXPECT_TRUE(painted.Calls().empty());
    }
}

TEST_F(GraphCanvasTest, ClosingReleasesTheFrameBeforeTellingTheOwnerAndResizingMakesOneAgain) {
    OpenAndDefine();
    bool closed = false;
    graph.Close = [&] { closed = graph.GXP == nullptr && graph.GX == nullptr; };
    graph.Event_Close();
    EXPECT_TRUE(closed);
    graph.SetBounds(0, 0, 600, 400);
    graph.HandleResize();
    ASSERT_NE(graph.GXP, nullptr);
    EXPECT_EQ(FrameRecorder().Ops().at(0), "FillRect 0 0 600 400");
}

// ---- Scroll bars, scrolling and painting ----

TEST_F(GraphCanvasTest, FrameWiderThanTheControlIsScrolledAndPaintedFromTheOffsets) {
    SupplyBars(800, 0);
    graph.Event_Open();
    EXPECT_EQ(std::tuple(barH.Enabled(), barH.Minimum(), barH.Maximum(), barH.LineStep(), barH.PageStep()),
              std::tuple(true, 0, 300, 10, 50));
    EXPECT_FALSE(barV.Enabled()) << "the frame is as high as the control";
    Forget();
    graph.HandleHScroll(120);
    EXPECT_EQ(screen.Ops(), Ops{"DrawPicture 0 0 500 300 120 0 500 300"}) << "columns 120 to 619";
    graph.HandleVScroll(30);
    fake::RecordingGraphics g;
    graph.Event_Paint(g);
    EXPECT_EQ(g.Ops(), Ops{"DrawPicture 0 0 500 300 120 30 500 300"});
    EXPECT_TRUE(FrameRecorder().Calls().empty()) << "scrolling and painting draw nothing into the frame";
}

// A bar whose frame fits is disabled, keeping its value and maximum, and its offset goes back to 0;
// with both bars, resizing keeps the frame as it is.
TEST_F(GraphCanvasTest, ResizeWithBothBarsAdjustsTheBarsOnly) {
    SupplyBars(800, 450);
    graph.Event_Open();
    barV.SetValue(100);
    graph.HandleHScroll(120);
    graph.HandleVScroll(100);
    const int picturesBefore = platform().picturesMade;
    Forget();
    graph.SetBounds(0, 0, 600, 450);
    graph.HandleResize();
    EXPECT_EQ(std::tuple(barH.Enabled(), graph.ScPixH, barH.Maximum()), std::tuple(true, 120, 200));
    EXPECT_EQ(std::tuple(barV.Enabled(), graph.ScPixV, barV.Value(), barV.Maximum()),
              std::tuple(false, 0, 100, 150));
    EXPECT_EQ(platform().picturesMade, picturesBefore);
    EXPECT_TRUE(FrameRecorder().Calls().empty());
    EXPECT_EQ(screen.Ops(), Ops{"DrawPicture 0 0 600 450 120 0 600 450"});
}

// ---- Redrawing and resizing ----

TEST_F(GraphCanvasTest, ReDrawAllRedefinesWithTheStoredRangesAndShowsTheFrameBeforeAndAfterTheOwnerDraws) {
    graph.Event_Open();
    Forget();
    graph.DefineGraph(-2, 3, 0, 20000);
    const Ops defined = FrameRecorder().Ops();
    Forget();
    std::vector<std::size_t> copiesWhileDrawing;
    graph.DrawContent = [&] { copiesWhileDrawing.push_back(screen.Calls().size()); };
    graph.ReDrawAll();
    EXPECT_EQ(FrameRecorder().Ops(), defined);
    EXPECT_EQ(copiesWhileDrawing, std::vector<std::size_t>{1});
    EXPECT_EQ(screen.Calls().size(), 2u);
}

TEST_F(GraphCanvasTest, ResizeWithoutBarsRedrawsIntoANewFrameInTheOwnersStyle) {
    OpenAndDefine();
    graph.SetFontInfo("Helvetica", 14, true, false);
    graph.SetColor(kRed);
    int contentDrawn = 0;
    graph.DrawContent = [&] { ++contentDrawn; };
    const int picturesBefore = platform().picturesMade;
    graph.SetBounds(0, 0, 600, 400);
    graph.HandleResize();
    EXPECT_EQ(platform().picturesMade, picturesBefore + 1);
    EXPECT_EQ(FrameRecorder().Ops().at(0), "FillRect 0 0 600 400");
    ASSERT_EQ(graph.GX, graph.GXP->Graphics());
    EXPECT_EQ(StyleOf(*graph.GX), Style("Helvetica", 14, true, false));
    EXPECT_EQ(graph.GX->ForeColor(), kRed);
    EXPECT_EQ(contentDrawn, 1);
    EXPECT_EQ(screen.Ops().back(), "DrawPicture 0 0 600 400 0 0 600 400");
}

// ---- Printing ----

// However the print ends, the frame's context is the target again, and the screen is left alone.
TEST_F(GraphCanvasTest, PrintDrawsTheFrameLayoutOnThePrinterOnly) {
    graph.Event_Open();
    tk::Graphics* const frameContext = graph.GX;
    fake::RecordingGraphics printer;
    printer.SetTextSize(30);
    EXPECT_EQ(GraphErrorOf([&] { graph.PrintGraph(&printer); }), "ReDrawAll: Graph has not been defined");
    EXPECT_EQ(std::tuple(graph.GX, graph.Printing, printer.TextSize()), std::tuple(frameContext, false, 12));
    graph.DefineGraph(0, 1, 0, 1);
    Forget();
    std::vector<bool> drewOnPrinter;
    graph.DrawContent = [&] { drewOnPrinter.push_back(graph.GX == &printer && graph.Printing); };
    graph.PrintGraph(nullptr);
    printer.Clear();
    graph.PrintGraph(&printer);
    EXPECT_EQ(drewOnPrinter, std::vector<bool>{true});
    EXPECT_EQ(printer.Ops().at(0), "FillRect 0 0 500 300") << "cleared to the frame's size";
    EXPECT_TRUE(FrameRecorder().Calls().empty());
    EXPECT_TRUE(screen.Calls().empty());
    EXPECT_EQ(std::tuple(graph.GX, graph.Printing), std::tuple(frameContext, false));
    graph.UpdateScreen();
    EXPECT_EQ(screen.Calls().size(), 1u);
}

} // namespace
