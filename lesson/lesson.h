#pragma once

#include "physics/box.h"

#include <optional>
#include <string>
#include <vector>

namespace lesson {

// One state of a lesson, as the teacher prepared it: the coefficients as they are typed into the
// twelve fields, and what to say about it.
struct State {
    std::string name;
    physics::Components magnitudes{};
    physics::Components degrees{};
    std::string note;
    // The instant to show it at, in periods T1 of state 1; none for t = 0.
    std::optional<double> periods;

    friend bool operator==(const State&, const State&) = default;
};

// How the lesson shows its states: the speed (1 to 100), the states shown (0 for the total, else
// the one state n), and the two options of the View and Animation menus.
struct Options {
    int speed = 10;
    int shown = 0;
    bool physicalScale = false;
    bool timeForward = false;

    friend bool operator==(const Options&, const Options&) = default;
};

// A lesson: its states in the order they are shown, and its options.
struct Lesson {
    std::vector<State> states;
    Options options;

    friend bool operator==(const Lesson&, const Lesson&) = default;
};

} // namespace lesson
