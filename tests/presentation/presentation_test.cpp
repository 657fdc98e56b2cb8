// The presentation view on the fake platform: its layout at a few sizes, drawn through the
// recording context, and what it shows of the main window.

#include "presentation/note_lines.h"
#include "presentation/presentation_wndo.h"
#include "tests/mainwindow/opened_main_wndo.h"
#include "toolkit/edit_field.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using fake::DrawCall;

class Presentation : public testing_main::OpenedMainWndo {
protected:
    // The view opened in a window of this size over the main window, which has shown a frame of
    // states 1 and 2 unless told otherwise.
    PresentationWndo& Opened(int width, int height, bool afterAFrame = true) {
        if (afterAFrame) {
            Type({"1", "1"});
            window.PBNorm_Action();
            window.TMFrame_Action();
        }
        view = std::make_unique<PresentationWndo>(window, PresentationWndo::Opening{false, width, height});
        view->Open();
        return *view;
    }
    Graph& Plot(const char* name) {
        return std::string(name) == "GFWave" ? view->GFWave() : view->GFDensity();
    }
    const fake::CallLog& FrameCalls(const char* name) {
        return static_cast<fake::FakePicture&>(*Plot(name).GXP).Recorder()->Calls();
    }
    // The calls of the last drawing of the axes: from the last clearing of the frame to the first
    // curve or copy.
    std::vector<DrawCall> LastAxes(const char* name) {
        const fake::CallLog& calls = FrameCalls(name);
        auto last =
            std::find_if(calls.rbegin(), calls.rend(), [&](const DrawCall& c) { return Clears(name, c); });
        return {last.base() - 1, std::find_if(last.base(), calls.end(), [](const DrawCall& c) {
                    return c.op == "DrawPicture" || c.op == "DrawPolyline";
                })};
    }
    // The calls of the last frame: after the last copy of the axes, or after their drawing.
    std::vector<DrawCall> LastFrame(const char* name) {
        const fake::CallLog& calls = FrameCalls(name);
        const auto start = std::find_if(calls.rbegin(), calls.rend(), [&](const DrawCall& c) {
            return c.op == "DrawPicture" || Clears(name, c);
        });
        return {start.base(), calls.end()};
    }
    bool Clears(const char* name, const DrawCall& c) {
        const Graph& g = Plot(name);
        return c.ToString() == "FillRect 0 0 " + std::to_string(g.FWidth) + " " + std::to_string(g.FHeight);
    }
    // The curves drawn in the last frame: one polyline each.
    int Curves(const char* name) {
        const std::vector<DrawCall> frame = LastFrame(name);
        return int(std::count_if(frame.begin(), frame.end(),
                                 [](const DrawCall& c) { return c.op == "DrawPolyline"; }));
    }
    std::string Text(const char* name, int index = tk::Control::kNoIndex) {
        return view->Find<tk::StaticText>(name, index)->Text();
    }

    std::unique_ptr<PresentationWndo> view;
};

// The ink of a text as wide as the recording context measures it: digits and capitals 0.73 of its
// size above the baseline, and letters as far below it as the Graph allows for (2 pixels).
tk::Rect InkOf(const DrawCall& c) {
    const double width = fake::RecordingGraphics::CharWidth(c.size) * tk::CharacterCount(c.text);
    const int above = int(std::ceil(0.73 * c.size));
    // The segments of a label follow each other at whole pixels, the ink of each within its advance.
    const bool number = c.text.find_first_not_of("-.0123456789") == std::string::npos;
    return {c.args[0], c.args[1] - above, int(width), above + (number ? 0 : 2)};
}

bool Overlap(const tk::Rect& a, const tk::Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool Inside(const tk::Rect& inner, const tk::Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// Checks every text of a plot's last axes: its ink inside the frame, clear of the graph rectangle and
// of the other texts, as are the legend's strokes, as wide as the curves; other lines are one of the
// plot's own pixels wide. Returns how many texts there are.
int CheckTexts(const Graph& g, const std::vector<DrawCall>& axes) {
    const tk::Rect frame{0, 0, g.FWidth, g.FHeight};
    const tk::Rect graphRect{g.GLeft, g.GTop, g.GWidth + 1, g.GHeight + 1};
    std::vector<tk::Rect> inks;
    for (const DrawCall& c : axes) {
        if (c.op == "DrawLine" && c.pen > 1) {
            const tk::Rect stroke{c.args[0], c.args[1] - c.pen / 2, c.args[2] - c.args[0] + c.pen, c.pen};
            EXPECT_TRUE(Inside(stroke, frame) && !Overlap(stroke, graphRect)) << c.ToString();
            continue;
        }
        EXPECT_EQ(c.pen, 1) << c.ToString();
        if (c.op != "DrawString")
            continue;
        const tk::Rect ink = InkOf(c);
        EXPECT_TRUE(Inside(ink, frame) && !Overlap(ink, graphRect)) << c.ToString();
        EXPECT_TRUE(std::none_of(inks.begin(), inks.end(), [&](const tk::Rect& other) {
            return Overlap(ink, other);
        })) << c.ToString();
        inks.push_back(ink);
    }
    return int(inks.size());
}

// The visible controls lie in the window, clear of each other.
void CheckPlaces(const tk::Window& window) {
    const tk::Rect content{0, 0, window.settings.width, window.settings.height};
    std::vector<tk::Rect> places;
    for (const tk::Control* control : window.Controls()) {
        if (!control->Visible())
            continue;
        const tk::Rect place = control->Bounds();
        EXPECT_TRUE(Inside(place, content)) << control->Name();
        EXPECT_TRUE(std::none_of(places.begin(), places.end(),
                                 [&](const tk::Rect& other) { return Overlap(place, other); }))
            << control->Name() << " " << control->Index();
        places.push_back(place);
    }
}

// Every text of a plot lies in its frame, clear of the graph rectangle and of every other text, and
// every control of the window clear of the others. (How large texts and lines grow is measured on
// the pixels, in the pixel test.)
TEST_F(Presentation, ScalesTextAndLinesWithTheWindowAndNothingOverlaps) {
    const struct {
        const char* name;
        int width, height;
    } sizes[] = {
        {"a window of 960 x 540", 960, 540},
        {"1440p", 2560, 1440},
        {"portrait: the plots one above the other, sized for 3/4 of the width", 1080, 1920},
    };
    for (const auto& size : sizes) {
        SCOPED_TRACE(size.name);
        const PresentationWndo& shown = Opened(size.width, size.height);
        ASSERT_FALSE(shown.TooSmall());
        for (const char* plot : {"GFWave", "GFDensity"}) {
            SCOPED_TRACE(plot);
            EXPECT_GT(CheckTexts(Plot(plot), LastAxes(plot)), 12);
        }
        CheckPlaces(shown);
        const tk::Rect last = view->Find("Phasor", PresentationWndo::kComponents - 1)->Bounds();
        EXPECT_GT(last.x + last.width, size.width * 15 / 16) << "the phasors spread over the whole width";
    }
}

// A window too small for the plots shows a message instead, whichever way it is too small, and
// the plots again, with the latest frame, once it is large enough.
TEST_F(Presentation, TooSmallForThePlotsSaysSoAndDrawsThemAgainWhenLarger) {
    const struct {
        const char* name;
        int width, height;
    } tooSmall[] = {{"too low", 1920, 250}, {"too narrow", 160, 1080}};
    for (const auto& size : tooSmall) {
        SCOPED_TRACE(size.name);
        for (bool openedSo : {false, true}) {
            PresentationWndo& shown = Opened(openedSo ? size.width : 1280, openedSo ? size.height : 720);
            shown.NotifyResized(size.width, size.height);
            window.TMFrame_Action();
            EXPECT_EQ(std::tuple(shown.TooSmall(), shown.Find("STMessage")->Visible(),
                                 shown.Find("GFWave")->Visible(), shown.Find("Phasor", 0)->Visible()),
                      std::tuple(true, true, false, false));
            shown.NotifyResized(1280, 720);
            EXPECT_EQ(std::tuple(shown.TooSmall(), shown.Find("STMessage")->Visible(),
                                 shown.Find("GFWave")->Visible()),
                      std::tuple(false, false, true));
            EXPECT_EQ(std::pair(Curves("GFWave"), Curves("GFDensity")), std::pair(2, 1));
        }
    }
}

// A view opens with the overlays the last one left, which the settings keep for the next session too.
TEST_F(Presentation, OpensWithTheOverlaysTheLastViewLeft) {
    PresentationWndo& first = Opened(1280, 720);
    first.ToggleSpread();
    first.ToggleGhost();
    first.ToggleGhost();
    first.ToggleHighContrast();
    first.Close();
    const PresentationWndo::Overlays& shown = Opened(1280, 720, false).ShownOverlays();
    EXPECT_EQ(std::tuple(shown.spread, shown.ghost, shown.highContrast, Curves("GFDensity")),
              std::tuple(true, false, true, 5))
        << "the density and the four lines of the spread";
}

// The state the main window shows from its launch on, the phasors blank after an edit; then each
// frame's curves, phases, choice and time.
TEST_F(Presentation, ShowsWhatTheMainWindowShows) {
    PresentationWndo& shown = Opened(1280, 720, false);
    const auto phasorsInked = [&] {
        std::string inked;
        for (int k = 0; k < PresentationWndo::kComponents; ++k) {
            const auto& last = static_cast<fake::FakePicture&>(*shown.Find<PhasorDiagram>("Phasor", k)->GX)
                                   .Recorder()
                                   ->Calls()
                                   .back();
            inked += last.op == "ClearRect" ? '.' : 'o';
        }
        return inked;
    };
    EXPECT_EQ(std::tuple(Curves("GFWave"), phasorsInked(), Text("STShown"), Text("STClock")),
              std::tuple(2, "oooooo", "Total", "t = 0.000 T₁"))
        << "the state the main window loaded from its fields at launch";
    Type({"1", "1"});
    window.PBStart_Action();
    for (int frame = 0; frame < 90; ++frame)
        window.TMFrame_Action();
    window.Find<tk::RadioButton>("RBNth", 1)->NotifyChosen();
    EXPECT_EQ(std::tuple(Curves("GFWave"), Curves("GFDensity"), phasorsInked(), Text("STShown"),
                         Text("STClock"), Text("STPhasor", 1)),
              std::tuple(2, 1, "oooooo", "n=2", "t = 0.250 T₁", "|c₂| = 0.707\nφ₂ = 0°"));
    EXPECT_EQ(shown.Find<PhasorDiagram>("Phasor", 1)->angle, Phasor(1).angle);
    window.PBStart_Action();
    Magnitude(2).NotifyTextEdited("0.5");
    EXPECT_EQ(phasorsInked(), "......");
    Type({"0", "0"});
    window.PBNorm_Action();
    EXPECT_EQ(phasorsInked(), "oooooo") << "the zero state's phasors, drawn as the main window draws them";
}

} // namespace

// A lesson's state in lines of at most ten characters of the recording context at size 10.
TEST(NoteLines, BreakBetweenWordsOrCharactersAndEndInAnEllipsisPastTheLast) {
    const struct {
        const char* name;
        std::string stateName, note;
        std::vector<std::string> lines;
    } cases[] = {
        {"short", "Ground", "One bump", {"Ground", "One bump"}},
        {"between words", "Sloshing", "it sloshes to and fro", {"Sloshing", "it sloshes", "to and fro"}},
        {"a word wider than a line", "Superpositions", "", {"Superposit", "ions"}},
        {"no spaces: between characters",
         "猫态",
         "两个波包同时出现在盒子里",
         {"猫态", "两个波包同时出现在盒", "子里"}},
        {"past the last line", "Packet", "a\nb\nc", {"Packet", "a", "b…"}},
        {"a mark stays with its letter", "aaaaaaaaaa\u0308b", "", {"aaaaaaaaa", "a\u0308b"}},
    };
    fake::RecordingGraphics measure;
    measure.SetTextSize(10);
    for (const auto& c : cases)
        EXPECT_EQ(NoteLines(measure, c.stateName, c.note, 60, 3), c.lines) << c.name;
}
