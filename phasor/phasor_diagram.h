#pragma once

#include "toolkit/canvas.h"
#include "toolkit/picture.h"

#include <memory>
#include <optional>

// Shows one complex number as a phasor: a circle of radius 1 with a line from its centre, whose
// length is the magnitude and whose direction is the phase. The drawing lives in a picture of the
// control's size, which painting copies to the screen.
class PhasorDiagram : public tk::Canvas {
public:
    using tk::Canvas::Canvas;

    std::unique_ptr<tk::Picture> GX; // made when the control opens
    double magn = 0;                 // 1 reaches the circle
    double angle = 0;                // degrees, counter-clockwise from the right
    // The state turns too fast for the eye to follow (half a turn or more a frame): the circle is
    // drawn in red, so that a phasor that seems to stand still or turn backwards is not believed.
    bool tooFast = false;

    void Event_Paint(tk::Graphics& g) override;
    void Event_Open() override;
    // Redraws the picture from magn and angle and asks for a repaint.
    virtual void Update();
    // Clears the picture and asks for a repaint, so that the screen shows it blank.
    virtual void Blank();
    // Draws what the picture holds on another context (a file's, a printer's), with the picture's
    // top left corner at g's origin: the phasor since the last Update, an empty square after Blank
    // or before any Update, nothing when there is no picture.
    void Print(tk::Graphics& g) const;
    // Whether the picture holds the phasor: after an Update, until a Blank.
    bool ShowsCoefficient() const { return updated_; }

protected:
    // The picture's drawing context, or null when the picture could not be made.
    tk::Graphics* Target() const;
    // The circle in the top left square of a width x height picture, as wide as its smaller side.
    void DrawCircle(tk::Graphics& g, int width, int height) const;
    // The line from the circle's centre; where it ends, or nothing for a magnitude or angle that is no
    // finite number, which has no direction.
    std::optional<tk::Point> DrawRadius(tk::Graphics& g, int width, int height) const;
    // The picture holds the phasor now, as after Update.
    void MarkShown() { updated_ = true; }

private:
    // Clears a width x height square on g, and draws the phasor there when `withPhasor`.
    void Draw(tk::Graphics& g, int width, int height, bool withPhasor) const;

    bool updated_ = false; // the picture holds the phasor, not a blank
};
