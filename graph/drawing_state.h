#pragma once

#include "toolkit/graphics.h"

#include <string>

// The text style, colour and pen size of a drawing context, kept so that they can be put back or
// carried to another context.
struct DrawingState {
    std::string font;
    int size = 0;
    bool bold = false;
    bool italic = false;
    tk::Color color = 0;
    int penSize = 1;

    friend bool operator==(const DrawingState&, const DrawingState&) = default;

    static DrawingState Of(const tk::Graphics& g) {
        return {g.TextFont(), g.TextSize(), g.Bold(), g.Italic(), g.ForeColor(), g.PenSize()};
    }

    void ApplyTo(tk::Graphics& g) const {
        g.SetTextFont(font);
        g.SetTextSize(size);
        g.SetBold(bold);
        g.SetItalic(italic);
        g.SetForeColor(color);
        g.SetPenSize(penSize);
    }
};

// Operations that change the style or colour of a context for their own work put it back: this
// scope does, however the work ends.
class KeepDrawingState {
public:
    explicit KeepDrawingState(tk::Graphics& g) : g_(g), entry_(DrawingState::Of(g)) {}
    ~KeepDrawingState() { entry_.ApplyTo(g_); }
    KeepDrawingState(const KeepDrawingState&) = delete;
    KeepDrawingState& operator=(const KeepDrawingState&) = delete;

    const DrawingState& Entry() const { return entry_; }

private:
    tk::Graphics& g_;
    DrawingState entry_;
};
