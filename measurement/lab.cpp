#include "measurement/lab.h"

#include "physics/energy_distribution.h"
#include "physics/position_distribution.h"

#include <chrono>
#include <cmath>
#include <numbers>

namespace measurement {

namespace {

// The angles a collapse writes into the fields: to a thousandth of a degree, as the clock reads.
constexpr double kDegreeResolution = 1000;

double RoundedDegrees(double degrees) {
    return std::round(degrees * kDegreeResolution) / kDegreeResolution;
}

} // namespace

Lab::Lab() {
    SetSeed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void Lab::SetSeed(std::uint64_t seed) {
    seed_ = seed;
    engine_.seed(seed);
}

double Lab::Uniform() {
    constexpr int kMantissaBits = 53;
    return static_cast<double>(engine_() >> (64 - kMantissaBits)) * std::ldexp(1.0, -kMantissaBits);
}

bool Lab::SetCollapseWidth(double width) {
    if (!(width >= kNarrowestWidth && width <= kWidestWidth))
        return false;
    width_ = width;
    return true;
}

// The bell is a packet at rest (wavenumber 0), so its coefficients are real: angles of 0 or 180.
PositionOutcome Lab::MeasurePosition(const physics::State& state) {
    PositionOutcome outcome;
    outcome.x = physics::PositionDistribution(state).Quantile(Uniform());
    outcome.width = width_;
    if (const auto packet = physics::PacketOf({.centre = outcome.x, .width = width_, .wavenumber = 0})) {
        outcome.collapsed.magnitudes = packet->magnitudes;
        for (int k = 0; k < physics::kComponents; ++k)
            outcome.collapsed.degrees[k] = RoundedDegrees(packet->degrees[k]);
        outcome.share = packet->share;
    }
    return outcome;
}

EnergyOutcome Lab::MeasureEnergy(const physics::State& state) {
    EnergyOutcome outcome;
    outcome.n = physics::EnergyDistribution(state).Draw(Uniform());
    outcome.collapsed.magnitudes[outcome.n - 1] = 1;
    outcome.collapsed.degrees[outcome.n - 1] =
        RoundedDegrees(std::arg(state.c[outcome.n - 1]) * 180 / std::numbers::pi);
    return outcome;
}

} // namespace measurement
