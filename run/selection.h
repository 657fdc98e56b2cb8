#pragma once

#include "physics/box.h"

#include <array>
#include <cstdint>
#include <string>

namespace run {

// What the plots show of the state: the whole superposition ("Total") or one stationary state
// alone ("n=3"). A value: two selections of the same states are equal.
class Selection {
public:
    // One weight per state, 1 where it is shown, 0 where it is left out.
    using Weights = std::array<std::int32_t, physics::kComponents>;

    static Selection Total() { return Selection(0); }
    // State n alone, n from 1 to 6; any other n is the total.
    static Selection State(int n) { return Selection(n >= 1 && n <= physics::kComponents ? n : 0); }

    bool IsTotal() const { return state_ == 0; }
    // The state shown alone, 1 to 6; 0 for the total.
    int StateNumber() const { return state_; }
    Weights ShowWeights() const;
    // "Total" or "n=3", as files name it; the screen says it in the user's language.
    std::string Name() const;

    friend bool operator==(Selection, Selection) = default;

private:
    explicit Selection(int state) : state_(state) {}
    int state_;
};

} // namespace run
