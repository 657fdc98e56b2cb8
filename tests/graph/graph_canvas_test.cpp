// The Graph as a canvas: opening, the frame, scrolling, resizing, redrawing and printing.

#include "tests/graph/opened_graph.h"

using GraphCanvas = OpenedGraph;

// A frame larger than the control is scrolled; a bar whose frame fits is disabled, its offset back to 0.
TEST_F(GraphCanvas, OpensInOrderWithEveryDefaultSetBeforeTheOwnerSeesTheGraphAndScrollsAFrameLargerThanIt) {
    // Left from an earlier opening: all of it is reset.
    g.RErr = g.Printing = g.HasGrid = true;
    g.GWidth = g.GHeight = g.GLeft = g.GTop = g.PrevCurvH = g.PrevCurvV = 5;
    g.XMax = g.YMin = g.XVtoPix = g.XTickN = g.YTPower = 5;
    g.Title = g.XLabel = g.YLabel = "x";
    tk::ScrollBar barH;
    tk::ScrollBar barV;
    Ops events;
    const auto logged = [&events](const char* name, auto answer) {
        return [&events, name, answer] { return events.push_back(name), answer; };
    };
    g.ScrollQueryV = logged("ScrollQueryV", &barV);
    g.ScrollQueryH = logged("ScrollQueryH", &barH);
    g.HeightQuery = logged("HeightQuery", 0); // 0: the control's own
    g.WidthQuery = logged("WidthQuery", 0);
    g.DepthQuery = logged("DepthQuery", 8);
    g.Open = [&] {
        events.push_back("Open");
        EXPECT_EQ(std::tuple(Join(F().Ops()), F().Calls().at(0).color, screen.Calls().size()),
                  std::tuple("FillRect 0 0 500 300", kWhite, 0u));
        EXPECT_EQ(g.RErr + g.Printing + g.HasGrid + g.GWidth + g.GHeight + g.GLeft + g.GTop + g.PrevCurvH +
                      g.PrevCurvV + g.XMax + g.YMin + g.XVtoPix + g.XTickN + g.YTPower,
                  0);
        EXPECT_EQ(std::tuple(g.Title + g.XLabel + g.YLabel, g.XFlags, g.YFlags, StyleOf(*g.GX), g.TickFont,
                             g.TickFSize, g.GXP->Depth()),
                  std::tuple("", 231, 231, "System 12", "System", 9, 8));
    };
    Open(500, 300);
    EXPECT_EQ(Join(events), "ScrollQueryV; ScrollQueryH; HeightQuery; WidthQuery; DepthQuery; Open");
    EXPECT_EQ(Join(screen.Ops()), "DrawPicture 0 0 500 300 0 0 500 300");
    g.Open = nullptr;
    g.WidthQuery = [] { return 800; };
    g.HeightQuery = [] { return 450; };
    g.Event_Open();
    EXPECT_EQ(std::tuple(barH.Enabled(), barH.Maximum(), barV.Enabled(), barV.Maximum(), barV.LineStep(),
                         barV.PageStep()),
              std::tuple(true, 300, true, 150, 10, 50));
    screen.Clear();
    F().Clear();
    g.HandleHScroll(120);
    g.HandleVScroll(30);
    g.Event_Paint(screen);
    EXPECT_EQ(Join(screen.Ops()),
              "DrawPicture 0 0 500 300 120 0 500 300; DrawPicture 0 0 500 300 120 30 500 300; "
              "DrawPicture 0 0 500 300 120 30 500 300");
    screen.Clear();
    g.SetBounds(0, 0, 600, 450);
    g.HandleResize();
    EXPECT_EQ(std::tuple(g.ScPixH, barH.Enabled(), barH.Maximum(), g.ScPixV, barV.Enabled()),
              std::tuple(120, true, 200, 0, false));
    EXPECT_EQ(std::tuple(F().Calls().size(), Join(screen.Ops())),
              std::tuple(0u, "DrawPicture 0 0 600 450 120 0 600 450"));
}

// Closed after a definition, or no picture made on opening or resizing after a definition or before
// any; the arguments in range (0.5) or not (5). The owner is not told of a failed opening.
TEST_F(GraphCanvas, WithoutAFrameEveryOperationThatDrawsDefinesOrRedrawsRaisesNilObject) {
    std::unique_ptr<Graph> p;
    double v = 0;
    const std::function<void(Graph&)> operations[] = {
        [&](Graph& graph) { graph.DrawLine(v, v, v, 0.1); },
        [&](Graph& graph) { graph.DrawPoint(v, v); },
        [&](Graph& graph) { graph.DrawShape(v, v, 3); },
        [&](Graph& graph) { graph.DrawBar(v, v, 0.1); },
        [&](Graph& graph) { graph.DrawXUBar(v, v, 0.1, 0.1); },
        [&](Graph& graph) { graph.DrawYUBar(v, v, 0.1, 0.1); },
        [&](Graph& graph) { graph.DrawVector(v, v, 1, 1); },
        [&](Graph& graph) { graph.CurveTo(v, v); },
        [&](Graph& graph) { graph.DefineGraph(0, v, 0, v); },
        [&](Graph& graph) { graph.DefSqGraph(0, v); },
        &Graph::ReDrawAll,
        &Graph::ClearFrame,
        &Graph::UpdateScreen,
        &Graph::GetContent,
    };
    // Defined first; how the frame is lost.
    for (const auto& [defineFirst, loss] :
         {std::pair(true, "Close"), {true, "Graph.Open"}, {false, "Graph.Open"}, {true, "HandleResize"}})
        for (std::size_t i = 0; i < 2 * std::size(operations); ++i) {
            p = std::make_unique<Graph>();
            p->SetBounds(0, 0, 500, 300);
            p->AttachPeer(std::make_unique<fake::FakeCanvasPeer>(screen.Log()));
            fake.platform.failPictures = false;
            if (defineFirst) {
                p->Event_Open();
                p->DefineGraph(0, 1, 0, 1);
            }
            p->Open = [] { ADD_FAILURE() << "told"; };
            fake.platform.failPictures = true;
            screen.Clear();
            const std::string how = loss;
            const std::string error = Err([&] {
                how == "Close" ? p->Event_Close() : how == "Graph.Open" ? p->Event_Open() : p->HandleResize();
            });
            EXPECT_EQ(error, how == "Close" ? "" : how + ": Picture Initialization Failure");
            v = i % 2 ? 5 : 0.5;
            EXPECT_THROW(operations[i / 2](*p), tk::NilObjectException)
                << i << " after " << how << defineFirst;
            p->Event_Paint(screen);
            EXPECT_TRUE(screen.Calls().empty());
        }
    std::tie(fake.platform.failPictures, fake.platform.picturesWithoutGraphics) = std::tuple(false, true);
    EXPECT_EQ(Err([&] { g.Event_Open(); }) + " " + Err([&] { g.HandleResize(); }),
              "Graph.Open: GX Initialization Failure HandleResize: GX Initialization Failure");
}

// Without a bar the frame is the control's size, whatever the owner says. However a print ends, the
// frame's context is the target again.
TEST_F(GraphCanvas, RedrawsPrintsResizesAndCloses) {
    g.WidthQuery = [] { return 800; };
    g.DepthQuery = [] { return 24; };
    Open(500, 300);
    tk::Graphics* const frame = g.GX;
    fake::RecordingGraphics printer;
    printer.SetTextSize(30);
    EXPECT_EQ(Err([&] { g.PrintGraph(&printer); }), "ReDrawAll: Graph has not been defined");
    EXPECT_EQ(std::tuple(g.GX, g.Printing, printer.TextSize()), std::tuple(frame, false, 12));
    const std::string defined = Drawn([&] { g.DefineGraph(-2, 3, 0, 20000); });
    screen.Clear();
    std::size_t copiesBefore = 99;
    g.DrawContent = [&] { copiesBefore = screen.Calls().size(); };
    EXPECT_EQ(Drawn([&] { g.ReDrawAll(); }), defined);
    EXPECT_EQ(std::tuple(copiesBefore, screen.Calls().size()), std::tuple(1u, 2u));
    screen.Clear();
    F().Clear();
    int drawn = 0;
    g.DrawContent = [&] { drawn += g.GX == &printer && g.Printing; };
    g.PrintGraph(nullptr);
    printer.Clear();
    g.PrintGraph(&printer);
    EXPECT_EQ(std::tuple(drawn, printer.Ops().at(0), F().Calls().size(), screen.Calls().size(), g.GX,
                         g.Printing, g.GXP->Depth()),
              std::tuple(1, "FillRect 0 0 500 300", 0u, 0u, frame, false, 32));
    g.SetFontInfo("Helvetica", 14, true, false); // the owner's style and pen outlive the frame
    g.GX->SetPenSize(3);
    g.DrawContent = [&] { ++drawn; };
    g.SetBounds(0, 0, 600, 400);
    g.HandleResize();
    EXPECT_EQ(std::tuple(drawn, StyleOf(*g.GX), g.GX->PenSize(), g.GX, F().Ops().at(0)),
              std::tuple(2, "Helvetica 14 bold", 3, g.GXP->Graphics(), "FillRect 0 0 600 400"));
    EXPECT_THAT(Join(screen.Ops()), testing::EndsWith("DrawPicture 0 0 600 400 0 0 600 400"));
    g.Event_Close();
    g.HandleResize();
    EXPECT_EQ(std::tuple(g.GX != nullptr, drawn), std::tuple(true, 3));
}
