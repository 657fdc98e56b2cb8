#pragma once

#include "toolkit/graphics.h"

#include <cstddef>
#include <string>
#include <vector>

// A lesson's state as the presentation view shows it: its name, then its note, broken into lines
// no wider than `width` as `measure` draws them, between words where there are spaces (a Chinese
// note has none: between characters). Past `most` lines the last line shown ends in "…".
std::vector<std::string> NoteLines(tk::Graphics& measure, const std::string& name, const std::string& note,
                                   int width, std::size_t most);
