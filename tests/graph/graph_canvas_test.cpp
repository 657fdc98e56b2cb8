// The Graph as a canvas: opening, the frame, painting, scrolling, resizing, redrawing and printing,
// on the fake platform, whose pictures record and whose screen is a call log.

#include "tests/graph/opened_graph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace testing_graph;

class GraphCanvasTest : public ::testing::Test {
protected:
    GraphCanvasTest() {
        graph.SetBounds(0, 0, 500, 300);
        graph.AttachPeer(std::make_unique<fake::FakeCanvasPeer>(screen));
    }

    fake::FakePlatform& platform() { return fake.platform; }
    fake::RecordingGraphics& FrameRecorder() { return *platform().lastPicture->Recorder(); }
    Ops ScreenOps() const {
        Ops ops;
        for (const auto& call : *screen)
            ops.push_back(call.ToString());
        return ops;
    }
    void Forget() {
        FrameRecorder().Clear();
        screen->clear();
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

    fake::ScopedFakePlatform fake;
    std::shared_ptr<fake::CallLog> screen = std::make_shared<fake::CallLog>();
    tk::ScrollBar barH;
    tk::ScrollBar barV;
    Graph graph;
};

// ---- Opening and closing ----

TEST_F(GraphCanvasTest, OpensInOrderWithEveryDefaultSetBeforeTheOwnerSeesTheGraph) {
    // Left from an earlier opening: all of it is reset.
    graph.RErr = graph.Printing = graph.HasGrid = true;
    graph.GWidth = graph.GHeight = graph.GLeft = graph.GTop = graph.PrevCurvH = graph.PrevCurvV = 5;
    graph.XMax = graph.YMin = graph.XVtoPix = 5;
    graph.XTickN = graph.YTPower = 5;
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
        EXPECT_TRUE(screen->empty());
        EXPECT_EQ(std::tuple(graph.CBlack, graph.CWhite, graph.CGrid, graph.XColor, graph.YColor),
                  std::tuple(kBlack, kWhite, tk::RGB(180, 180, 180), kBlack, kBlack));
        EXPECT_DOUBLE_EQ(graph.InvLog10, 1 / std::log(10.0));
        EXPECT_FALSE(graph.RErr || graph.Printing || graph.HasGrid);
        EXPECT_EQ(graph.GWidth + graph.GHeight + graph.GLeft + graph.GTop + graph.PrevCurvH + graph.PrevCurvV,
                  0);
        EXPECT_EQ(graph.XMax + graph.YMin + graph.XVtoPix + graph.XTickN + graph.YTPower, 0);
        EXPECT_EQ(graph.Title + graph.XLabel + graph.YLabel, "");
        EXPECT_EQ(std::tuple(graph.XFlags, graph.YFlags, graph.TickFont, graph.TickFSize),
                  std::tuple(231, 231, "System", 9));
        ASSERT_EQ(graph.GX, graph.GXP->Graphics());
        EXPECT_EQ(StyleOf(*graph.GX), Style("System", 12, false, false));
        EXPECT_EQ(graph.GX->ForeColor(), kBlack);
    };
    graph.Event_Open();
    EXPECT_EQ(events,
              (Ops{"ScrollQueryV", "ScrollQueryH", "HeightQuery", "WidthQuery", "DepthQuery", "Open"}));
    EXPECT_EQ(ScreenOps(), Ops{"DrawPicture 0 0 500 300 0 0 500 300"});
}

TEST_F(GraphCanvasTest, DepthIsTheOneAskedForWhenAPictureHasIt) {
    graph.Event_Open();
    EXPECT_EQ(graph.FDepth, 32) << "no handler";
    const struct {
        int answer, depth;
    } cases[] = {{0, 32},  {24, 32}, {1, 1},  {2, 2},   {4, 4},  {8, 8},
                 {16, 16}, {32, 32}, {3, 32}, {64, 32}, {-8, 32}};
    for (const auto& c : cases) {
        graph.DepthQuery = [&] { return c.answer; };
        graph.Event_Open();
        EXPECT_EQ(graph.FDepth, c.depth) << c.answer;
        EXPECT_EQ(graph.GXP->Depth(), c.depth) << c.answer;
    }
}

TEST_F(GraphCanvasTest, FrameSizeIsAskedForOnlyWithAScrollBarAndZeroMeansTheControls) {
    const struct {
        int barH, barV, widthAnswer, heightAnswer, width, height;
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

TEST_F(GraphCanvasTest, FrameThatCannotBeMadeIsAGraphErrorAndLeavesNoTarget) {
    const std::tuple<bool, bool, std::string> cases[] = {
        {true, false, "Graph.Open: Picture Initialization Failure"},
        {false, false, "Graph.Open: GX Initialization Failure"},
        {true, true, "HandleResize: Picture Initialization Failure"},
        {false, true, "HandleResize: GX Initialization Failure"}};
    for (const auto& [noPicture, resize, message] : cases) {
        SCOPED_TRACE(message);
        platform().failPictures = platform().picturesWithoutGraphics = false;
        graph.Event_Open();
        bool opened = false;
        graph.Open = [&] { opened = true; };
        platform().failPictures = noPicture;
        platform().picturesWithoutGraphics = !noPicture;
        screen->clear();
        EXPECT_EQ(GraphErrorOf([&] { resize ? graph.HandleResize() : graph.Event_Open(); }), message);
        EXPECT_FALSE(opened);
        EXPECT_EQ(graph.GX, nullptr);
        EXPECT_TRUE(screen->empty());
        EXPECT_THROW(graph.SetColor(kRed), tk::NilObjectException);
        graph.Open = nullptr;
    }
}

TEST_F(GraphCanvasTest, ClosingReleasesTheFrameBeforeTellingTheOwnerAndResizingMakesOneAgain) {
    OpenAndDefine();
    bool closed = false;
    graph.Close = [&] {
        closed = true;
        EXPECT_EQ(graph.GXP, nullptr);
        EXPECT_EQ(graph.GX, nullptr);
    };
    graph.Event_Close();
    EXPECT_TRUE(closed);
    EXPECT_THROW(graph.ClearFrame(), tk::NilObjectException);
    EXPECT_THROW(graph.UpdateScreen(), tk::NilObjectException);
    fake::RecordingGraphics g;
    graph.Event_Paint(g);
    EXPECT_TRUE(g.Calls().empty()) << "a closed graph shows nothing";
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
    EXPECT_EQ(ScreenOps(), Ops{"DrawPicture 0 0 500 300 120 0 500 300"}) << "columns 120 to 619";
    graph.HandleVScroll(30);
    fake::RecordingGraphics g;
    graph.Event_Paint(g);
    EXPECT_EQ(g.Ops(), Ops{"DrawPicture 0 0 500 300 120 30 500 300"});
    EXPECT_TRUE(FrameRecorder().Calls().empty()) << "scrolling and painting draw nothing into the frame";
}

TEST_F(GraphCanvasTest, BarIsDisabledOnlyWhenTheFrameFitsAndThenScrollsBackWithoutMoving) {
    SupplyBars(800, 700);
    graph.Event_Open();
    barH.SetValue(120);
    graph.HandleHScroll(120);
    graph.HandleVScroll(150);
    graph.FWidth = 500;
    graph.SetBounds(0, 0, 500, 400);
    graph.zSBHAdjust();
    graph.zSBVAdjust();
    EXPECT_EQ(std::tuple(barH.Enabled(), graph.ScPixH, barH.Value(), barH.Maximum()),
              std::tuple(false, 0, 120, 300));
    EXPECT_EQ(std::tuple(barV.Enabled(), graph.ScPixV, barV.Maximum()), std::tuple(true, 150, 300));
}

// ---- Redrawing and resizing ----

TEST_F(GraphCanvasTest, ReDrawAllRedefinesWithTheStoredRangesAndShowsTheFrameBeforeAndAfterTheOwnerDraws) {
    graph.Event_Open();
    Forget();
    graph.DefineGraph(-2, 3, 0, 20000);
    const Ops defined = FrameRecorder().Ops();
    Forget();
    std::vector<std::size_t> copiesWhileDrawing;
    graph.DrawContent = [&] { copiesWhileDrawing.push_back(screen->size()); };
    graph.ReDrawAll();
    EXPECT_EQ(FrameRecorder().Ops(), defined);
    EXPECT_EQ(copiesWhileDrawing, std::vector<std::size_t>{1});
    EXPECT_EQ(screen->size(), 2u);
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
    EXPECT_EQ(ScreenOps().back(), "DrawPicture 0 0 600 400 0 0 600 400");
}

TEST_F(GraphCanvasTest, ResizeWithBothBarsOnlyAdjustsTheBars) {
    SupplyBars(800, 450);
    graph.Event_Open();
    graph.HandleVScroll(100);
    const int picturesBefore = platform().picturesMade;
    Forget();
    graph.SetBounds(0, 0, 600, 450);
    graph.HandleResize();
    EXPECT_EQ(platform().picturesMade, picturesBefore);
    EXPECT_TRUE(FrameRecorder().Calls().empty());
    EXPECT_EQ(std::tuple(barH.Maximum(), barV.Enabled(), graph.ScPixV), std::tuple(200, false, 0));
    EXPECT_EQ(ScreenOps(), Ops{"DrawPicture 0 0 600 450 0 0 600 450"});
}

// ---- Printing ----

TEST_F(GraphCanvasTest, PrintDrawsTheFrameLayoutOnThePrinterOnlyAndNothingWithoutOne) {
    OpenAndDefine();
    graph.SetFontInfo("Helvetica", 20, true, true);
    tk::Graphics* const frameContext = graph.GX;
    fake::RecordingGraphics printer;
    std::vector<bool> drewOnPrinter;
    graph.DrawContent = [&] { drewOnPrinter.push_back(graph.GX == &printer && graph.Printing); };
    graph.PrintGraph(nullptr);
    EXPECT_EQ(graph.GX, frameContext);
    graph.PrintGraph(&printer);
    EXPECT_EQ(drewOnPrinter, std::vector<bool>{true});
    EXPECT_EQ(printer.Ops().at(0), "FillRect 0 0 500 300") << "cleared to the frame's size";
    EXPECT_TRUE(FrameRecorder().Calls().empty());
    EXPECT_TRUE(screen->empty());
    EXPECT_EQ(graph.GX, frameContext);
    EXPECT_FALSE(graph.Printing);
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

} // namespace
