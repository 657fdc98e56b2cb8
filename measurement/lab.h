#pragma once

#include "physics/box.h"
#include "physics/packet.h"
#include "physics/presets.h"
#include "physics/state.h"

#include <array>
#include <cstdint>
#include <random>

namespace measurement {

// What one measurement of position found, and the state it leaves: a bell curve of the collapse's
// width at x, as the six states hold it.
struct PositionOutcome {
    double x = 0; // in units of L
    double width = 0;
    physics::Typed collapsed;
    double share = 0; // of the bell curve that the six states hold
};

// What one measurement of energy found, E_n = n^2 E_1, and the state it leaves: state n alone,
// with the phase its coefficient had.
struct EnergyOutcome {
    int n = 1;
    physics::Typed collapsed;
};

// Where measurements are made: the random numbers they draw, from std::mt19937_64 with a seed that
// can be shown and set again so that a lesson can be repeated outcome for outcome, and what a
// measurement makes of the state.
class Lab {
public:
    // The width (standard deviation of the density, in units of L) of the state that a position
    // found collapses to: narrow, yet broad enough for six states to hold most of it.
    static constexpr double kDefaultWidth = 0.05;
    static constexpr double kNarrowestWidth = 0.001;
    static constexpr double kWidestWidth = 1;
    // The widths the Measure menu offers: narrower than six states can draw, the default, wider.
    static constexpr std::array<double, 3> kOfferedWidths = {0.02, kDefaultWidth, 0.1};

    // Seeded from the clock.
    Lab();

    std::uint64_t Seed() const { return seed_; }
    // Starts the draws again from this seed.
    void SetSeed(std::uint64_t seed);
    // A uniform number in [0, 1): the generator's top 53 bits, the same on every platform.
    double Uniform();

    bool Collapses() const { return collapses_; }
    void SetCollapses(bool on) { collapses_ = on; }
    double CollapseWidth() const { return width_; }
    // False, and nothing changes, for a width that is not a number from kNarrowestWidth to
    // kWidestWidth.
    bool SetCollapseWidth(double width);

    // One measurement of a state that exists (physics::State::Exists).
    PositionOutcome MeasurePosition(const physics::State& state);
    EnergyOutcome MeasureEnergy(const physics::State& state);

private:
    std::uint64_t seed_ = 0;
    std::mt19937_64 engine_;
    bool collapses_ = true;
    double width_ = kDefaultWidth;
};

} // namespace measurement
