#pragma once

#include "export/draw_list.h"
#include "graph/graph.h"
#include "phasor/phasor_diagram.h"
#include "toolkit/control.h"
#include "toolkit/font.h"
#include "toolkit/output.h"
#include "toolkit/picture.h"

#include <memory>
#include <string>
#include <vector>

namespace exporting {

// The start of the names of the main window's files: "parvok-t0.250.svg" at t = 0.250 T1.
inline constexpr const char* kMainStem = "parvok";

// What a picture of a window shows, each part at its place in the window's coordinates, and the
// start of the names its files are offered under.
struct PictureParts {
    // A line of text in a box, aligned by an alignment code (tk::AlignedTextControl) and centred
    // from top to bottom.
    struct Caption {
        std::string text;
        tk::Rect box;
        int alignment = tk::AlignedTextControl::kLeft;
        tk::Font font;
    };
    // Lines of text from the top of a box down, one line height apart: a table as a window shows it.
    struct TextBlock {
        std::string text; // lines ended or separated by '\n'
        tk::Rect box;
        tk::Font font;
    };
    std::vector<Graph*> plots;                 // drawn as they print
    std::vector<const PhasorDiagram*> phasors; // drawn as their pictures hold them
    std::vector<Caption> captions;
    std::vector<TextBlock> texts;
    std::string stem = kMainStem;
};

// The parts recorded at the instant it is made, on white, within a margin around them, and kept
// to be drawn on any output. The parts may change or go afterwards.
class WindowPicture {
public:
    static constexpr int kMargin = 10;

    // Text is measured on a picture of the platform's, as on the screen. Raises
    // tk::RuntimeException when there is none to be had.
    explicit WindowPicture(const PictureParts& parts);

    int Width() const { return area_.width; }
    int Height() const { return area_.height; }
    // The picture for an output, drawn from this object, which must outlive the drawing.
    tk::Drawing Drawing(std::string title, std::string name) const;
    void DrawOn(tk::Graphics& g) const { list_.ReplayOn(g); }

private:
    void DrawCaption(const PictureParts::Caption& caption);
    void DrawTextBlock(const PictureParts::TextBlock& block);

    tk::Rect area_; // the picture in the window's coordinates
    std::unique_ptr<tk::Picture> measure_;
    DrawList list_;
};

} // namespace exporting
