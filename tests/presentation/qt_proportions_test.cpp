// The presentation view through Qt, offscreen, measured on its device pixels at each usual projector
// resolution: tick labels at least 1/40 of the screen's height, the clock and the captions 1/27, the
// curves and the phasors' lines 1/360 and never under 2 device pixels. ctest runs this binary at one
// and at two device pixels a pixel.

#include "app/menu_bar1.h"
#include "lesson/lesson_file.h"
#include "presentation/presentation_wndo.h"
#include "tests/support/qt_device_pixels.h"
#include "toolkit/qt/font_mapping.h"
#include "toolkit/qt/qt_widget_peer.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// How many rows the tallest band of ink in `area` covers: a line of text, below ticks or above
// another line.
int InkRows(const QImage& image, const QRect& area) {
    int rows = 0;
    int tallest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool inked = false;
        for (int x = area.left(); x <= area.right() && !inked; ++x)
            inked = qGray(image.pixel(x, y)) < 128;
        rows = inked ? rows + 1 : 0;
        tallest = std::max(tallest, rows);
    }
    return tallest;
}

// The ink of the same text in the view's font at `pixels` pixels, the least the view's may have.
int LeastInk(const QString& text, double pixels) {
    const int size = static_cast<int>(std::ceil(pixels));
    QImage image(size * static_cast<int>(text.size() + 2), 3 * size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(tk::qt::MapFont(tk::kSystemFont, size));
    painter.drawText(size, 2 * size, text);
    painter.end();
    return InkRows(image, image.rect());
}

// The ink of a label's text as the screen shows it.
int InkRows(const tk::Control& label) {
    for (QWidget* w : QApplication::allWidgets())
        if (w->property("tkControl").isValid() && tk::qt::QtWidgetPeer::ControlOf(w) == &label) {
            const QImage image = w->grab().toImage();
            return InkRows(image, image.rect());
        }
    return 0;
}

// The darkness of `count` device pixels from `from` on by `step`: the width of a black line that
// they cross at right angles, less what its antialiased edges blend away (up to half a pixel).
double Darkness(const QImage& image, QPoint from, QPoint step, int count) {
    double dark = 0;
    for (int i = 0; i < count; ++i, from += step)
        dark += 1 - qGray(image.pixel(from)) / 255.0;
    return dark;
}

TEST(PresentationPixels, TextsAndLinesTakeTheirShareOfTheScreensHeight) {
    const struct {
        const char* name;
        int width, height;
    } screens[] = {{"720p", 1280, 720}, {"1080p", 1920, 1080}, {"1440p", 2560, 1440}, {"2160p", 3840, 2160}};
    const qreal ratio = QApplication::primaryScreen()->devicePixelRatio();
    MainWndo main;
    main.Open();
    // A lesson's state, whose name and note take a band of the view: state 1 alone at 60 degrees,
    // Re psi/N = 0.5 sin(pi x), flat at x/L = 0.5, clear of the grid.
    const auto path = std::filesystem::temp_directory_path() /
                      ("parvok proportions " + std::to_string(getpid()) + ".parvok");
    std::ofstream(path) << lesson::ToText(
        {{{"Sixty", {1, 0, 0, 0, 0, 0}, {60, 0, 0, 0, 0, 0}, "Note", {}}}, {}});
    main.OpenLesson(path.string());
    std::filesystem::remove(path);
    main.TMFrame_Action();
    for (const auto& screen : screens) {
        SCOPED_TRACE(std::string(screen.name) + " at " + std::to_string(int(ratio)) + "x");
        PresentationWndo view(main, {false, screen.width, screen.height});
        view.Open();
        main.TMFrame_Action();
        ASSERT_FALSE(view.TooSmall());
        const double height = screen.height * ratio;
        const double line = std::max(2.0, height / 360);

        const Graph& g = view.GFWave();
        const QImage& frame = fake::DeviceImage(*g.GXP);
        const int s = static_cast<int>(g.Zoom() * ratio);
        const QRect tickLabels((g.GLeft + 2) * s, (g.GTop + g.GHeight + 2) * s, g.GWidth / 3 * s,
                               frame.height() - (g.GTop + g.GHeight + 2) * s);
        EXPECT_GE(InkRows(frame, tickLabels), LeastInk("0.2", height / 40)) << "the x axis's tick labels";
        EXPECT_GE(InkRows(*view.Find("STClock")), LeastInk("t = 0.033 T₁", height / 27));
        EXPECT_GE(InkRows(*view.Find("STPhasor", 0)), LeastInk("|c₁| = 1.000", height / 27));

        // Down the middle of the plot, from above Re psi to above the zero line.
        const QPoint top((g.GLeft + g.GWidth / 2) * s, (g.GTop + g.GHeight / 8) * s);
        EXPECT_GE(Darkness(frame, top, {0, 1}, (g.GHeight * 3 / 8 - 2) * s), line - 0.5) << "Re psi";
        const QImage& phasor = fake::DeviceImage(*view.Find<PhasorDiagram>("Phasor", 0)->GX);
        EXPECT_GE(Darkness(phasor, {0, phasor.height() / 2}, {1, 0}, phasor.width() / 4), line - 0.5)
            << "the circle's left edge";
    }
    MenuBar1::Release();
}

// A frame copies the axes back only where the last frame's curves lay: after many frames of a moving
// packet, with the spread over it, each plot is as drawn afresh over the whole copy.
TEST(PresentationPixels, AFrameLeavesNothingOfTheLastOne) {
    MainWndo main;
    main.Open();
    main.LoadPreset(physics::Preset::Packet);
    main.PBStart_Action();
    PresentationWndo view(main, {false, 1280, 720});
    view.Open();
    if (!view.ShownOverlays().spread)
        view.ToggleSpread();
    for (int frame = 0; frame < 40; ++frame)
        main.TMFrame_Action();
    const QImage wave = fake::DeviceImage(*view.GFWave().GXP).copy();
    const QImage density = fake::DeviceImage(*view.GFDensity().GXP).copy();
    view.Event_Resize(); // laid out again, which draws the frame over the whole copy
    EXPECT_TRUE(wave == fake::DeviceImage(*view.GFWave().GXP));
    EXPECT_TRUE(density == fake::DeviceImage(*view.GFDensity().GXP));
    MenuBar1::Release();
}

} // namespace
