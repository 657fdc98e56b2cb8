// The Graph as a canvas: opening, the frame, resizing, redrawing and printing.

#include "tests/graph/opened_graph.h"

using GraphCanvas = OpenedGraph;

// Opened again, whatever an earlier opening left is reset before the owner sees the graph; the frame
// is white and shown. (The scroll bars and the owner's sizes, which no window uses, are left out.)
TEST_F(GraphCanvas, OpensWithEveryDefaultSetBeforeTheOwnerSeesTheGraph) {
    g.RErr = g.Printing = g.HasGrid = true;
    g.GWidth = g.GLeft = g.PrevCurvH = 5;
    g.XMax = g.XVtoPix = 5;
    g.Title = "x";
    bool told = false;
    g.Open = [&] {
        told = true;
        EXPECT_EQ(std::tuple(Join(F().Ops()), F().Calls().at(0).color, screen.Calls().size()),
                  std::tuple("FillRect 0 0 500 300", kWhite, 0u));
        EXPECT_EQ(g.RErr + g.Printing + g.HasGrid + g.GWidth + g.GLeft + g.PrevCurvH + g.XMax + g.XVtoPix, 0);
        EXPECT_EQ(std::tuple(g.Title, StyleOf(*g.GX)), std::tuple("", "System 12"));
    };
    Open(500, 300);
    EXPECT_TRUE(told);
    EXPECT_EQ(Join(screen.Ops()), "DrawPicture 0 0 500 300 0 0 500 300");
}

// Closed after a definition, or no picture made on opening or resizing after a definition or before
// any; the arguments in range (0.5) or not (5). The owner is not told of a failed opening.
TEST_F(GraphCanvas, WithoutAFrameEveryOperationThatDrawsDefinesOrRedrawsRaisesNilObject) {
    std::unique_ptr<Graph> p;
    double v = 0;
    const std::function<void(Graph&)> operations[] = {
        [&](Graph& graph) { graph.DrawLine(v, v, v, 0.1); },
        [&](Graph& graph) { graph.CurveTo(v, v); },
        &Graph::ReDrawAll,
        &Graph::GetContent,
    };
    // Defined first; how the frame is lost.
    for (const auto& [defineFirst, loss] :
         {std::pair(true, "Close"), {false, "Graph.Open"}, {true, "HandleResize"}})
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

// However a print ends, the frame's context is the target again.
TEST_F(GraphCanvas, RedrawsPrintsResizesAndCloses) {
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
    EXPECT_EQ(
        std::tuple(drawn, printer.Ops().at(0), F().Calls().size(), screen.Calls().size(), g.GX, g.Printing),
        std::tuple(1, "FillRect 0 0 500 300", 0u, 0u, frame, false));
    g.SetFontInfo("Helvetica", 14, true, false); // the owner's style and pen outlive the frame
    g.GX->SetPenSize(3);
    g.DrawContent = [&] { ++drawn; };
    g.SetBounds(0, 0, 600, 400);
    g.HandleResize();
    EXPECT_EQ(std::tuple(drawn, StyleOf(*g.GX), g.GX->PenSize()), std::tuple(2, "Helvetica 14 bold", 3));
    g.Event_Close();
    g.HandleResize();
    EXPECT_EQ(std::tuple(g.GX != nullptr, drawn), std::tuple(true, 3));
}
