#pragma once

#include "toolkit/graphics.h"

#include <string>

// The text style of a drawing context, kept so that it can be put back or carried to another one.
struct TextStyle {
    std::string font;
    int size = 0;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const TextStyle&, const TextStyle&) = default;

    static TextStyle Of(const tk::Graphics& g) { return {g.TextFont(), g.TextSize(), g.Bold(), g.Italic()}; }

    void ApplyTo(tk::Graphics& g) const {
        g.SetTextFont(font);
        g.SetTextSize(size);
        g.SetBold(bold);
        g.SetItalic(italic);
    }
};
