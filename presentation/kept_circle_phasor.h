#pragma once

#include "phasor/phasor_diagram.h"
#include "toolkit/color.h"

#include <memory>
#include <optional>

// A phasor diagram that keeps a picture of its circle: an update puts the circle back only where the
// last line lay, draws the new line, and asks the screen to repaint that place alone. Its pictures
// are the same, pixel for pixel, as the plain diagram's; a diagram a third of a projector's height
// would otherwise stroke its circle and repaint its whole square at every frame.
class KeptCirclePhasor : public PhasorDiagram {
public:
    using PhasorDiagram::PhasorDiagram;

    void Event_Open() override;
    void Update() override;
    void Blank() override;

private:
    // What the kept circle was drawn with: another size, pen or colour draws it again.
    struct Look {
        int width = 0;
        int height = 0;
        int pen = 0;
        tk::Color color = 0;
        bool tooFast = false;
        friend bool operator==(const Look&, const Look&) = default;
    };

    Look Wanted(const tk::Graphics& g) const;
    // Whether the kept circle is there, drawn as `look` asks, making it again when not.
    bool KeepCircle(const Look& look);
    // Where a line drawn to `end` with a pen of `pen` pixels may have left pixels.
    tk::Rect LineBox(std::optional<tk::Point> end, int pen) const;

    std::unique_ptr<tk::Picture> circle_;
    Look kept_;
    // Where the picture differs from the kept circle: around its line; none while the picture holds
    // anything else (a blank, a new picture).
    std::optional<tk::Rect> lineBox_;
    // The picture is blank since the last Blank: another leaves it as it is, unpainted, where the view
    // blanks its phasors at every frame while the fields are being edited.
    bool blank_ = false;
};
