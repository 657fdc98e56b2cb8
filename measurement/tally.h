#pragma once

#include "measurement/lab.h"
#include "physics/box.h"
#include "physics/energy_distribution.h"
#include "physics/goodness_of_fit.h"
#include "physics/position_distribution.h"
#include "physics/state.h"

#include <array>
#include <cstdint>
#include <optional>

namespace measurement {

// The outcomes of many measurements, each on a fresh copy of one state, prepared alike: as many
// of position as of energy. Positions are counted in kBins bins of equal width across the box,
// energies by state. The counts are 64-bit: no number of outcomes a lesson can ask for overflows.
class Tally {
public:
    static constexpr int kBins = 50;
    using PositionCounts = std::array<std::uint64_t, kBins>;
    using EnergyCounts = std::array<std::uint64_t, physics::kComponents>;

    // A state that exists (physics::State::Exists).
    explicit Tally(const physics::State& state);

    const physics::State& Prepared() const { return state_; }
    // Measures `count` more copies in position and as many in energy.
    void Add(std::uint64_t count, Lab& lab);

    // The outcomes of each kind so far.
    std::uint64_t Count() const { return count_; }
    const PositionCounts& Positions() const { return positions_; }
    const EnergyCounts& Energies() const { return energies_; }
    // The last outcomes, where the latest dots land; none before the first.
    std::optional<double> LastPosition() const { return lastPosition_; }
    std::optional<int> LastEnergy() const { return lastEnergy_; }

    // What the state predicts: the probability of each bin, the density, the energies' weights.
    double BinProbability(int bin) const;
    const physics::PositionDistribution& Position() const { return position_; }
    const physics::EnergyDistribution& Energy() const { return energy_; }

    // The counts against the prediction.
    physics::ChiSquare PositionFit() const;
    physics::ChiSquare EnergyFit() const;

    static int BinOf(double x);

private:
    physics::State state_;
    physics::PositionDistribution position_;
    physics::EnergyDistribution energy_;
    std::uint64_t count_ = 0;
    PositionCounts positions_{};
    EnergyCounts energies_{};
    std::optional<double> lastPosition_;
    std::optional<int> lastEnergy_;
};

} // namespace measurement
