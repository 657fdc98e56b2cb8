// The Graph as a canvas: opening, the frame, painting, scrolling, resizing, redrawing and printing,
// on the fake platform, whose pictures record and whose screen is a call log.

#include "graph/graph.h"
#include "tests/support/fake_platform.h"
#include "toolkit/picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using Ops = std::vector<std::string>;

constexpr tk::Color kWhite = tk::RGB(255, 255, 255);
constexpr tk::Color kRed = tk::RGB(255, 0, 0);

Ops OpsOf(const fake::CallLog& log) {
    Ops ops;
    for (const auto& call : log)
        ops.push_back(call.ToString());
    return ops;
}

template <typename Action> std::string GraphErrorOf(Action action) {
    try {
        action();
    } catch (const GraphError& e) {
        return e.msg;
    }
    return "no GraphError";
}

class GraphCanvasTest : public ::testing::Test {
protected:
    GraphCanvasTest() {
        graph.SetBounds(0, 0, 500, 300);
        graph.AttachPeer(std::make_unique<fake::FakeCanvasPeer>(screen));
    }

    fake::FakePlatform& platform() { return fake.platform; }
    fake::RecordingGraphics& FrameRecorder() { return *platform().lastPicture->Recorder(); }
    Ops ScreenOps() const { return OpsOf(*screen); }

    void SupplyBars(int frameWidth, int frameHeight) {
        graph.ScrollQueryH = [this] { return &barH; };
        graph.ScrollQueryV = [this] { return &barV; };
        graph.WidthQuery = [frameWidth] { return frameWidth; };
        graph.HeightQuery = [frameHeight] { return frameHeight; };
    }

    // A graph defined on the whole frame, with its drawing forgotten.
    void OpenAndDefine() {
        graph.Event_Open();
        graph.DefineGraph(0, 1, 0, 1);
        FrameRecorder().Clear();
        screen->clear();
    }

    fake::ScopedFakePlatform fake;
    std::shared_ptr<fake::CallLog> screen = std::make_shared<fake::CallLog>();
    tk::ScrollBar barH;
    tk::ScrollBar barV;
    Graph graph;
};

// ---- Opening ----

TEST_F(GraphCanvasTest, OpensInOrderAndRaisesOpenBeforeTheFirstScreenCopy) {
    Ops events;
    graph.ScrollQueryV = [&] {
        events.push_back("ScrollQueryV");
        return &barV;
    };
    graph.ScrollQueryH = [&] {
        events.push_back("ScrollQueryH");
        return &barH;
    };
    graph.HeightQuery = [&] {
        events.push_back("HeightQuery");
        return 0;
    };
    graph.WidthQuery = [&] {
        events.push_back("WidthQuery");
        return 0;
    };
    graph.DepthQuery = [&] {
        events.push_back("DepthQuery");
        return 8;
    };
    graph.Open = [&] {
        events.push_back("Open");
        EXPECT_EQ(FrameRecorder().Ops(), Ops{"FillRect 0 0 500 300"});
        EXPECT_EQ(FrameRecorder().Calls().at(0).color, kWhite);
        EXPECT_EQ(graph.XFlags, 231) << "defaults are set before the owner sees the graph";
        EXPECT_TRUE(screen->empty());
    };
    graph.Event_Open();
    EXPECT_EQ(events,
              (Ops{"ScrollQueryV", "ScrollQueryH", "HeightQuery", "WidthQuery", "DepthQuery", "Open"}));
    EXPECT_EQ(ScreenOps(), Ops{"DrawPicture 0 0 500 300 0 0 500 300"});
}

TEST_F(GraphCanvasTest, OpeningSetsEveryDefault) {
    graph.RErr = graph.Printing = graph.HasGrid = true;
    graph.GWidth = graph.GHeight = graph.GLeft = graph.GTop = 5;
    graph.PrevCurvH = graph.PrevCurvV = 5;
    graph.XMax = graph.YMin = graph.XVtoPix = 5;
    graph.XTickN = graph.YTPower = 5;
    graph.Title = graph.XLabel = graph.YLabel = "x";

    graph.Event_Open();

    EXPECT_EQ(graph.CBlack, tk::RGB(0, 0, 0));
    EXPECT_EQ(graph.CWhite, kWhite);
    EXPECT_EQ(graph.CGrid, tk::RGB(180, 180, 180));
    EXPECT_EQ(graph.XColor, graph.CBlack);
    EXPECT_EQ(graph.YColor, graph.CBlack);
    EXPECT_DOUBLE_EQ(graph.InvLog10, 1 / std::log(10.0));
    EXPECT_FALSE(graph.RErr);
    EXPECT_FALSE(graph.Printing);
    EXPECT_FALSE(graph.HasGrid);
    EXPECT_EQ(graph.GWidth + graph.GHeight + graph.GLeft + graph.GTop, 0);
    EXPECT_EQ(graph.PrevCurvH + graph.PrevCurvV, 0);
    EXPECT_EQ(graph.XMax + graph.YMin + graph.XVtoPix, 0);
    EXPECT_EQ(graph.XTickN + graph.YTPower, 0);
    EXPECT_EQ(graph.Title + graph.XLabel + graph.YLabel, "");
    EXPECT_EQ(graph.XFlags, 231);
    EXPECT_EQ(graph.YFlags, 231);
    EXPECT_EQ(graph.TickFont, "System");
    EXPECT_EQ(graph.TickFSize, 9);
    ASSERT_EQ(graph.GX, graph.GXP->Graphics());
    EXPECT_EQ(graph.GX->TextFont(), "System");
    EXPECT_EQ(graph.GX->TextSize(), 12);
    EXPECT_FALSE(graph.GX->Bold());
    EXPECT_FALSE(graph.GX->Italic());
    EXPECT_EQ(graph.GX->ForeColor(), graph.CBlack);
    EXPECT_EQ(graph.SBH, nullptr);
    EXPECT_EQ(graph.SBV, nullptr);
}

struct DepthCase {
    bool handled;
    int answer;
    int depth;
};

class GraphDepthTest : public GraphCanvasTest, public ::testing::WithParamInterface<DepthCase> {};

TEST_P(GraphDepthTest, KeepsOnlySupportedDepths) {
    if (GetParam().handled)
        graph.DepthQuery = [answer = GetParam().answer] { return answer; };
    graph.Event_Open();
    EXPECT_EQ(graph.FDepth, GetParam().depth);
    EXPECT_EQ(graph.GXP->Depth(), GetParam().depth);
}

INSTANTIATE_TEST_SUITE_P(Canvas, GraphDepthTest,
                         ::testing::Values(DepthCase{false, 0, 32}, DepthCase{true, 0, 32},
                                           DepthCase{true, 24, 32}, DepthCase{true, 1, 1},
                                           DepthCase{true, 2, 2}, DepthCase{true, 4, 4},
                                           DepthCase{true, 8, 8}, DepthCase{true, 16, 16},
                                           DepthCase{true, 32, 32}, DepthCase{true, 3, 32},
                                           DepthCase{true, 64, 32}, DepthCase{true, -8, 32}));

struct FrameCase {
    bool barH, barV;
    int widthAnswer, heightAnswer;
    int frameWidth, frameHeight;
};

class GraphFrameSizeTest : public GraphCanvasTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(GraphFrameSizeTest, AsksForASizeOnlyWithAScrollBar) {
    const FrameCase& c = GetParam();
    if (c.barH)
        graph.ScrollQueryH = [this] { return &barH; };
    if (c.barV)
        graph.ScrollQueryV = [this] { return &barV; };
    graph.WidthQuery = [&] { return c.widthAnswer; };
    graph.HeightQuery = [&] { return c.heightAnswer; };
    graph.Event_Open();
    EXPECT_EQ(graph.FWidth, c.frameWidth);
    EXPECT_EQ(graph.FHeight, c.frameHeight);
    EXPECT_EQ(graph.GXP->Width(), c.frameWidth);
    EXPECT_EQ(graph.GXP->Height(), c.frameHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, GraphFrameSizeTest,
    ::testing::Values(FrameCase{false, false, 800, 600, 500, 300}, FrameCase{true, false, 0, 600, 500, 300},
                      FrameCase{true, false, 800, 600, 800, 300}, FrameCase{false, true, 800, 0, 500, 300},
                      FrameCase{false, true, 800, 450, 500, 450}, FrameCase{true, true, 800, 450, 800, 450}));

TEST_F(GraphCanvasTest, PictureThatCannotBeMadeFailsTheOpening) {
    bool opened = false;
    graph.Open = [&] { opened = true; };
    platform().failPictures = true;
    EXPECT_EQ(GraphErrorOf([&] { graph.Event_Open(); }), "Graph.Open: Picture Initialization Failure");
    EXPECT_FALSE(opened);
    EXPECT_EQ(graph.GX, nullptr);
    EXPECT_TRUE(screen->empty());
}

TEST_F(GraphCanvasTest, PictureWithoutContextFailsTheOpening) {
    bool opened = false;
    graph.Open = [&] { opened = true; };
    platform().picturesWithoutGraphics = true;
    EXPECT_EQ(GraphErrorOf([&] { graph.Event_Open(); }), "Graph.Open: GX Initialization Failure");
    EXPECT_FALSE(opened);
    EXPECT_EQ(graph.GX, nullptr);
    EXPECT_THROW(graph.SetColor(kRed), tk::NilObjectException);
}

// ---- Closing ----

TEST_F(GraphCanvasTest, ClosingReleasesTheFrameBeforeTellingTheOwner) {
    graph.Event_Open();
    bool closed = false;
    graph.Close = [&] {
        closed = true;
        EXPECT_EQ(graph.GXP, nullptr);
        EXPECT_EQ(graph.GX, nullptr);
    };
    graph.Event_Close();
    EXPECT_TRUE(closed);
    EXPECT_EQ(graph.FWidth, 500) << "the fields keep their values";
    EXPECT_THROW(graph.ClearFrame(), tk::NilObjectException);
    EXPECT_THROW(graph.UpdateScreen(), tk::NilObjectException);
    fake::RecordingGraphics g;
    EXPECT_THROW(graph.Event_Paint(g), tk::NilObjectException);
}

// ---- Scroll bars, scrolling and painting ----

TEST_F(GraphCanvasTest, FrameWiderThanTheControlIsScrolled) {
    SupplyBars(800, 0);
    graph.Event_Open();
    EXPECT_TRUE(barH.Enabled());
    EXPECT_EQ(barH.Minimum(), 0);
    EXPECT_EQ(barH.Maximum(), 300);
    EXPECT_EQ(barH.LineStep(), 10);
    EXPECT_EQ(barH.PageStep(), 50);
    EXPECT_FALSE(barV.Enabled()) << "the frame is as high as the control";

    screen->clear();
    graph.HandleHScroll(120);
    EXPECT_EQ(graph.ScPixH, 120);
    EXPECT_EQ(ScreenOps(), Ops{"DrawPicture 0 0 500 300 120 0 500 300"}) << "columns 120 to 619";
    graph.HandleVScroll(30);
    EXPECT_EQ(ScreenOps().back(), "DrawPicture 0 0 500 300 120 30 500 300");
}

TEST_F(GraphCanvasTest, FrameThatFitsDisablesItsBarAndScrollsBackWithoutMovingTheBar) {
    SupplyBars(800, 0);
    graph.Event_Open();
    barH.SetValue(120);
    graph.HandleHScroll(120);
    graph.FWidth = 500;
    graph.zSBHAdjust();
    EXPECT_FALSE(barH.Enabled());
    EXPECT_EQ(graph.ScPixH, 0);
    EXPECT_EQ(barH.Value(), 120);
    EXPECT_EQ(barH.Maximum(), 300);
}

TEST_F(GraphCanvasTest, BarOfAFrameThatStillScrollsKeepsTheOffset) {
    SupplyBars(0, 700);
    graph.Event_Open();
    graph.HandleVScroll(150);
    graph.SetBounds(0, 0, 500, 400);
    graph.zSBVAdjust();
    EXPECT_TRUE(barV.Enabled());
    EXPECT_EQ(barV.Maximum(), 300);
    EXPECT_EQ(graph.ScPixV, 150);
}

TEST_F(GraphCanvasTest, PaintingCopiesTheFrameAtTheScrollOffsets) {
    SupplyBars(800, 600);
    graph.Event_Open();
    graph.HandleHScroll(120);
    graph.HandleVScroll(40);
    FrameRecorder().Clear();
    fake::RecordingGraphics g;
    graph.Event_Paint(g);
    EXPECT_EQ(g.Ops(), Ops{"DrawPicture 0 0 500 300 120 40 500 300"});
    EXPECT_TRUE(FrameRecorder().Calls().empty()) << "painting draws nothing into the frame";
}

// ---- The frame and the screen ----

TEST_F(GraphCanvasTest, ClearFrameFillsWhiteAndKeepsTheDrawingColour) {
    graph.Event_Open();
    graph.SetColor(kRed);
    FrameRecorder().Clear();
    graph.ClearFrame();
    EXPECT_EQ(FrameRecorder().Ops(), Ops{"FillRect 0 0 500 300"});
    EXPECT_EQ(FrameRecorder().Calls().at(0).color, kWhite);
    EXPECT_EQ(graph.GX->ForeColor(), kRed);
}

TEST_F(GraphCanvasTest, NothingReachesTheScreenWhilePrintingOrWithoutOne) {
    graph.Event_Open();
    screen->clear();
    graph.Printing = true;
    graph.UpdateScreen();
    EXPECT_TRUE(screen->empty());
    graph.Printing = false;
    graph.AttachPeer(nullptr);
    EXPECT_NO_THROW(graph.UpdateScreen());
}

TEST_F(GraphCanvasTest, GetContentCopiesOnceAfterTheOwnerDrew) {
    graph.Event_Open();
    screen->clear();
    std::size_t copiesWhileDrawing = 99;
    graph.DrawContent = [&] { copiesWhileDrawing = screen->size(); };
    graph.GetContent();
    EXPECT_EQ(copiesWhileDrawing, 0u);
    EXPECT_EQ(screen->size(), 1u);
}

// ---- Setters ----

TEST_F(GraphCanvasTest, SettersStoreAndDrawNothing) {
    graph.Event_Open();
    FrameRecorder().Clear();
    screen->clear();
    graph.SetXColor(kRed);
    graph.SetYColor(tk::RGB(0, 0, 255));
    graph.SetGrid(true);
    graph.SetXLabel("x^2");
    graph.SetYLabel("$y");
    EXPECT_EQ(graph.XColor, kRed);
    EXPECT_EQ(graph.YColor, tk::RGB(0, 0, 255));
    EXPECT_TRUE(graph.HasGrid);
    EXPECT_EQ(graph.XLabel, graph.SetSString("x^2"));
    EXPECT_EQ(graph.YLabel, graph.SetSString("$y"));
    EXPECT_TRUE(FrameRecorder().Calls().empty());
    EXPECT_TRUE(screen->empty());
    graph.SetColor(kRed);
    EXPECT_EQ(graph.GX->ForeColor(), kRed);
}

// ---- Redrawing, resizing, printing before a graph is defined ----

TEST_F(GraphCanvasTest, ReDrawAllNeedsADefinedGraph) {
    graph.Event_Open();
    EXPECT_EQ(GraphErrorOf([&] { graph.ReDrawAll(); }), "ReDrawAll: Graph has not been defined");
}

TEST_F(GraphCanvasTest, ResizeWithoutBarsMakesANewFrameBeforeRedrawing) {
    graph.Event_Open();
    graph.SetFontInfo("Helvetica", 14, true, false);
    graph.SetColor(kRed);
    const int picturesBefore = platform().picturesMade;
    graph.SetBounds(0, 0, 600, 400);
    EXPECT_EQ(GraphErrorOf([&] { graph.HandleResize(); }), "ReDrawAll: Graph has not been defined");
    EXPECT_EQ(platform().picturesMade, picturesBefore + 1) << "the new picture is kept";
    EXPECT_EQ(graph.GXP->Width(), 600);
    EXPECT_EQ(graph.GXP->Height(), 400);
    ASSERT_EQ(graph.GX, graph.GXP->Graphics());
    EXPECT_EQ(graph.GX->TextFont(), "Helvetica") << "the text style moves to the new frame";
    EXPECT_EQ(graph.GX->TextSize(), 14);
    EXPECT_TRUE(graph.GX->Bold());
    EXPECT_EQ(graph.GX->ForeColor(), kRed);
}

TEST_F(GraphCanvasTest, ResizeWithBothBarsOnlyAdjustsTheBars) {
    SupplyBars(800, 450);
    graph.Event_Open();
    graph.HandleVScroll(100);
    const int picturesBefore = platform().picturesMade;
    FrameRecorder().Clear();
    screen->clear();
    graph.SetBounds(0, 0, 600, 450);
    graph.HandleResize();
    EXPECT_EQ(platform().picturesMade, picturesBefore);
    EXPECT_TRUE(FrameRecorder().Calls().empty());
    EXPECT_EQ(barH.Maximum(), 200);
    EXPECT_FALSE(barV.Enabled());
    EXPECT_EQ(graph.ScPixV, 0);
    EXPECT_EQ(graph.FWidth, 800);
    EXPECT_EQ(ScreenOps(), Ops{"DrawPicture 0 0 600 450 0 0 600 450"});
}

struct ResizeFailure {
    bool failPictures;
    const char* message;
};

class GraphResizeFailureTest : public GraphCanvasTest, public ::testing::WithParamInterface<ResizeFailure> {};

TEST_P(GraphResizeFailureTest, LeavesNoTarget) {
    graph.Event_Open();
    platform().failPictures = GetParam().failPictures;
    platform().picturesWithoutGraphics = !GetParam().failPictures;
    EXPECT_EQ(GraphErrorOf([&] { graph.HandleResize(); }), GetParam().message);
    EXPECT_EQ(graph.GX, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Canvas, GraphResizeFailureTest,
                         ::testing::Values(ResizeFailure{true,
                                                         "HandleResize: Picture Initialization Failure"},
                                           ResizeFailure{false, "HandleResize: GX Initialization Failure"}));

TEST_F(GraphCanvasTest, PrintWithoutContextDoesNothing) {
    graph.Event_Open();
    FrameRecorder().Clear();
    screen->clear();
    tk::Graphics* const frameContext = graph.GX;
    graph.PrintGraph(nullptr);
    EXPECT_EQ(graph.GX, frameContext);
    EXPECT_TRUE(FrameRecorder().Calls().empty());
    EXPECT_TRUE(screen->empty());
}

TEST_F(GraphCanvasTest, FailedPrintGivesTheScreenBackItsTarget) {
    graph.Event_Open();
    tk::Graphics* const frameContext = graph.GX;
    fake::RecordingGraphics printer;
    printer.SetTextSize(30);
    EXPECT_EQ(GraphErrorOf([&] { graph.PrintGraph(&printer); }), "ReDrawAll: Graph has not been defined");
    EXPECT_EQ(graph.GX, frameContext);
    EXPECT_FALSE(graph.Printing);
    EXPECT_EQ(printer.TextSize(), 12) << "the printer was given the plot's text style";
    screen->clear();
    graph.UpdateScreen();
    EXPECT_EQ(screen->size(), 1u);
}

// ---- Whole plots ----

TEST_F(GraphCanvasTest, ReDrawAllRedefinesWithTheStoredRangesThenTheOwnerDraws) {
    OpenAndDefine();
    graph.DefineGraph(0, 1, 0, 1);
    const Ops defined = FrameRecorder().Ops();
    FrameRecorder().Clear();
    screen->clear();
    int contentDrawn = 0;
    graph.DrawContent = [&] { ++contentDrawn; };

    graph.ReDrawAll();

    EXPECT_EQ(FrameRecorder().Ops(), defined);
    EXPECT_EQ(contentDrawn, 1);
    EXPECT_EQ(screen->size(), 2u) << "once with the axes, once with the content";
}

TEST_F(GraphCanvasTest, ResizeWithoutBarsRedrawsIntoTheNewFrame) {
    OpenAndDefine();
    int contentDrawn = 0;
    graph.DrawContent = [&] { ++contentDrawn; };
    graph.SetBounds(0, 0, 600, 400);
    graph.HandleResize();
    EXPECT_EQ(graph.FWidth, 600);
    EXPECT_EQ(graph.FHeight, 400);
    EXPECT_EQ(FrameRecorder().Ops().at(0), "FillRect 0 0 600 400");
    EXPECT_EQ(contentDrawn, 1);
    EXPECT_EQ(ScreenOps().back(), "DrawPicture 0 0 600 400 0 0 600 400");
}

TEST_F(GraphCanvasTest, ResizeAfterClosingMakesAFrameAgain) {
    OpenAndDefine();
    graph.Event_Close();
    graph.SetBounds(0, 0, 600, 400);
    graph.HandleResize();
    ASSERT_NE(graph.GXP, nullptr);
    EXPECT_EQ(graph.GXP->Width(), 600);
    EXPECT_EQ(FrameRecorder().Ops().at(0), "FillRect 0 0 600 400");
}

TEST_F(GraphCanvasTest, PrintDrawsTheFrameLayoutOnThePrinterOnly) {
    OpenAndDefine();
    graph.SetFontInfo("Helvetica", 20, true, true);
    tk::Graphics* const frameContext = graph.GX;
    fake::RecordingGraphics printer;
    bool drewOnPrinter = false;
    graph.DrawContent = [&] { drewOnPrinter = graph.GX == &printer && graph.Printing; };

    graph.PrintGraph(&printer);

    EXPECT_TRUE(drewOnPrinter);
    EXPECT_EQ(printer.Ops().at(0), "FillRect 0 0 500 300") << "cleared to the frame's size";
    EXPECT_TRUE(FrameRecorder().Calls().empty());
    EXPECT_TRUE(screen->empty());
    EXPECT_EQ(graph.GX, frameContext);
    EXPECT_FALSE(graph.Printing);
}

// ---- Printing through Qt (the test main installs the Qt platform) ----

TEST(GraphQtPrintTest, PrintedPlotHasTheFramesPixels) {
    Graph graph;
    graph.SetBounds(0, 0, 400, 300);
    graph.Open = [&] {
        graph.SetTitle("Title^2");
        graph.SetXLabel("$q");
        graph.DefineGraph(0, 1, -1, 1);
    };
    graph.DrawContent = [&] {
        graph.CurveStart(0, 0);
        graph.CurveTo(1, 0.5);
    };
    graph.Event_Open();
    graph.ReDrawAll();
    const auto paper = tk::NewPicture(400, 300, 32);
    graph.PrintGraph(paper->Graphics());
    int differing = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            differing += graph.GXP->Pixel(x, y) != paper->Pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_NE(paper->Pixel(graph.GLeft, graph.GTop), kWhite) << "the frame lines were printed";
}

TEST(GraphQtPrintTest, PrintsAWholePlotOnAPrinterAndDrawsOnTheFrameAgainAfterwards) {
    Graph graph;
    graph.SetBounds(0, 0, 400, 300);
    graph.Open = [&] {
        graph.SetTitle("Probability");
        graph.DefineGraph(0, 1, 0, 20000);
    };
    graph.DrawContent = [&] { graph.DrawLine(0, 0, 1, 20000); };
    graph.Event_Open();
    tk::Graphics* const frameContext = graph.GX;
    const auto path = std::filesystem::temp_directory_path() / "parvok-graph-print.pdf";
    auto printer = tk::ThePlatform().OpenPrinter(path.string());
    ASSERT_NE(printer, nullptr);

    graph.PrintGraph(printer.get());
    printer.reset();

    EXPECT_EQ(graph.GX, frameContext);
    EXPECT_FALSE(graph.Printing);
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
    std::filesystem::remove(path);
}

} // namespace
