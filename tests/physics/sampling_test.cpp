// The distributions of the outcomes of measurements against integrals over the box worked out
// numerically, and the chi-square tail against its closed forms for even and single degrees of
// freedom.

#include "physics/energy_distribution.h"
#include "physics/goodness_of_fit.h"
#include "physics/position_distribution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace {

using physics::Components;
using std::numbers::pi;

const struct {
    const char* name = nullptr;
    Components magnitudes{}, degrees{};
} kStates[] = {
    {"ground state", {1}, {}},
    {"state 2, a node at L/2", {0, 1}, {}},
    {"states 1 and 2 a quarter turn apart", {3, 4}, {0, 90}},
    {"all six, not normalized, one negative", {1, -2, 3, 0.5, 5, 6}, {10, -20, 30, 45, 77, 1e6}},
};

// The coefficients as given, not normalized.
physics::State StateFrom(const Components& magnitudes, const Components& degrees) {
    physics::State state;
    for (int k = 0; k < physics::kComponents; ++k)
        state.c[k] = magnitudes[k] * std::polar(1.0, degrees[k] * pi / 180);
    return state;
}

// |psi(x)|^2 straight from the coefficients, divided by the sum of their squares.
double DensityAt(const physics::State& state, double x) {
    std::complex<double> psi;
    double total = 0;
    for (int k = 0; k < physics::kComponents; ++k) {
        psi += state.c[k] * std::sqrt(2.0) * std::sin((k + 1) * pi * x);
        total += std::norm(state.c[k]);
    }
    return std::norm(psi) / total;
}

TEST(PositionDistribution, CumulatesTheDensityAndInvertsIt) {
    for (const auto& row : kStates) {
        SCOPED_TRACE(row.name);
        const physics::State state = StateFrom(row.magnitudes, row.degrees);
        const physics::PositionDistribution distribution(state);
        // Simpson's rule on 20,000 intervals, checked at each tenth of the box
        constexpr int kSteps = 20000;
        double integral = 0;
        for (int i = 0; i < kSteps; i += 2) {
            const double x = double(i) / kSteps;
            const double h = 1.0 / kSteps;
            integral +=
                h / 3 * (DensityAt(state, x) + 4 * DensityAt(state, x + h) + DensityAt(state, x + 2 * h));
            if ((i + 2) % 2000 == 0) {
                const double end = double(i + 2) / kSteps;
                EXPECT_NEAR(distribution.Cumulative(end), integral, 1e-12) << end;
                EXPECT_NEAR(distribution.Density(end), DensityAt(state, end), 1e-12) << end;
                EXPECT_NEAR(distribution.Cumulative(distribution.Quantile(integral)), integral, 1e-12) << end;
            }
        }
    }
}

TEST(EnergyDistribution, DrawsEachStateOverItsShareOfTheUnitInterval) {
    const physics::EnergyDistribution energy(physics::State{{0, 0.6, 0, 0.8}});
    const struct {
        double u;
        int n;
    } draws[] = {{0, 2}, {0.3599, 2}, {0.3601, 4}, {0.999999, 4}, {1, 4}};
    for (const auto& draw : draws)
        EXPECT_EQ(energy.Draw(draw.u), draw.n) << draw.u;
    EXPECT_NEAR(energy.Probability(4), 0.64, 1e-15);
}

TEST(ChiSquareTail, MatchesTheClosedForms) {
    for (double x : {0.01, 0.5, 1.0, 3.841458820694124, 10.0, 50.0, 200.0}) {
        EXPECT_NEAR(physics::ChiSquareTail(x, 1), std::erfc(std::sqrt(x / 2)), 1e-14) << x;
        EXPECT_NEAR(physics::ChiSquareTail(x, 2), std::exp(-x / 2), 1e-14) << x;
        EXPECT_NEAR(physics::ChiSquareTail(x, 6), std::exp(-x / 2) * (1 + x / 2 + x * x / 8), 1e-14) << x;
    }
    EXPECT_NEAR(physics::ChiSquareTail(3.841458820694124, 1), 0.05, 1e-12);
}

TEST(ChiSquareTest, PoolsSmallExpectationsAndRefutesTheImpossible) {
    const double observed[] = {1, 2, 9, 8, 0};
    const double expected[] = {2, 4, 8, 5, 1};
    const physics::ChiSquare pooled = physics::ChiSquareTest(observed, expected);
    EXPECT_EQ(pooled.degreesOfFreedom, 2); // {3 vs 6}, {9 vs 8}, {8 vs 6}: the last 1 joins the 5
    EXPECT_NEAR(pooled.value, 9.0 / 6 + 1.0 / 8 + 4.0 / 6, 1e-15);
    const double forbidden[] = {1, 2, 9, 8, 1};
    const double none[] = {2, 4, 8, 5, 0};
    EXPECT_EQ(physics::ChiSquareTest(forbidden, none).p, 0);
}

} // namespace
