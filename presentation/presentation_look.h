#pragma once

#include "toolkit/color.h"

// The colours of the presentation view's plots, and how many times thicker than the layout's its
// curves are: the usual look, or a high contrast one for a washed-out projector or a bright room,
// darker and thicker, black on white.
struct PresentationLook {
    tk::Color real;
    tk::Color imaginary;
    tk::Color grid;
    tk::Color ghost;  // the density at t = 0
    tk::Color spread; // <x> and <x> +- dx
    int lineFactor;
};

PresentationLook LookFor(bool highContrast);
