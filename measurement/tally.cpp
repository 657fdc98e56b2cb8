#include "measurement/tally.h"

#include <algorithm>

namespace measurement {

Tally::Tally(const physics::State& state) : state_(state), position_(state), energy_(state) {}

int Tally::BinOf(double x) {
    return std::clamp(static_cast<int>(x * kBins), 0, kBins - 1);
}

void Tally::Add(std::uint64_t count, Lab& lab) {
    for (std::uint64_t i = 0; i < count; ++i) {
        const double x = position_.Quantile(lab.Uniform());
        ++positions_[BinOf(x)];
        const int n = energy_.Draw(lab.Uniform());
        ++energies_[n - 1];
        lastPosition_ = x;
        lastEnergy_ = n;
    }
    count_ += count;
}

double Tally::BinProbability(int bin) const {
    return position_.Cumulative(double(bin + 1) / kBins) - position_.Cumulative(double(bin) / kBins);
}

physics::ChiSquare Tally::PositionFit() const {
    std::array<double, kBins> observed{};
    std::array<double, kBins> expected{};
    for (int bin = 0; bin < kBins; ++bin) {
        observed[bin] = static_cast<double>(positions_[bin]);
        expected[bin] = static_cast<double>(count_) * BinProbability(bin);
    }
    return physics::ChiSquareTest(observed, expected);
}

physics::ChiSquare Tally::EnergyFit() const {
    std::array<double, physics::kComponents> observed{};
    std::array<double, physics::kComponents> expected{};
    for (int n = 1; n <= physics::kComponents; ++n) {
        observed[n - 1] = static_cast<double>(energies_[n - 1]);
        expected[n - 1] = static_cast<double>(count_) * energy_.Probability(n);
    }
    return physics::ChiSquareTest(observed, expected);
}

} // namespace measurement
