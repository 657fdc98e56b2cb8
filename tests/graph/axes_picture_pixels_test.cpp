// A plot drawn frame after frame over the copy of its axes, as the main window draws its plots, has
// the very pixels of drawing it whole, at either zoom.

#include "graph/axes_picture.h"
#include "tests/graph/opened_graph.h"
#include "tests/support/qt_device_pixels.h"

TEST(AxesPicturePixels, AFrameOverTheKeptAxesHasThePixelsOfReDrawAll) {
    const struct {
        const char* name;
        int zoom;
        double yMin;
    } rows[] = {{"wavefunction", 1, -1}, {"density at zoom 2", 2, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Graph g;
        g.SetZoom(row.zoom);
        g.SetBounds(0, 0, 500, 300);
        g.Open = [&] {
            g.SetXLabel("x/L");
            g.SetYZeroLn(true);
            g.SetGrid(true);
            g.DefineGraph(0, 1, row.yMin, 1);
        };
        double peak = 1;
        g.DrawContent = [&] {
            g.CurveStart(0, row.yMin);
            g.CurveTo(0.5, peak);
            g.SetColor(kRed);
            g.CurveTo(1, row.yMin);
            g.SetColor(kBlack);
        };
        g.Event_Open();
        AxesPicture axes;
        axes.KeepEmptyPlot(g);
        for (const double framePeak : {1.0, 0.5}) {
            peak = framePeak;
            axes.StartFrame(g);
            g.GetContentForRepaint();
        }
        const QImage fromCopy = fake::DeviceImage(g.Frame()).copy();
        g.ReDrawAll();
        EXPECT_TRUE(fake::DeviceImage(g.Frame()) == fromCopy);
    }
}
