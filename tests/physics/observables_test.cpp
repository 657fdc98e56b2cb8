// The observables' closed forms against integrals over the box worked out numerically, and the
// uncertainty relation over random states.

#include "physics/momentum.h"
#include "physics/observables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <random>

namespace {

using physics::Complex;
using physics::Components;
using std::numbers::pi;

// psi and its first two derivatives at x (box of width 1), from the coefficients.
struct Wave {
    Complex value, slope, curvature;
};
Wave WaveAt(const physics::State& state, double x) {
    Wave w{};
    for (int k = 0; k < physics::kComponents; ++k) {
        const double kn = (k + 1) * pi;
        const Complex c = state.c[k] * std::sqrt(2.0);
        w.value += c * std::sin(kn * x);
        w.slope += c * kn * std::cos(kn * x);
        w.curvature -= c * kn * kn * std::sin(kn * x);
    }
    return w;
}

// Simpson's rule over [0, 1] on 20,000 intervals: some 1e-12 for these integrands.
Complex Integral(const std::function<Complex(double)>& f) {
    constexpr int kIntervals = 20000;
    Complex sum = f(0) + f(1);
    for (int i = 1; i < kIntervals; ++i)
        sum += f(double(i) / kIntervals) * (i % 2 ? 4.0 : 2.0);
    return sum / (3.0 * kIntervals);
}

struct Numerical {
    double energy, energySquared, position, positionSquared, momentum;
};
Numerical Integrate(const physics::State& s) {
    const auto over = [&s](auto integrand) {
        return Integral([&](double x) { return Complex(integrand(x, WaveAt(s, x))); });
    };
    const double slopeSquared = over([](double, Wave w) { return std::norm(w.slope); }).real() / (pi * pi);
    return {slopeSquared,
            over([](double, Wave w) { return std::norm(w.curvature); }).real() / std::pow(pi, 4),
            over([](double x, Wave w) { return x * std::norm(w.value); }).real(),
            over([](double x, Wave w) { return x * x * std::norm(w.value); }).real(),
            Integral([&s](double x) {
                const Wave w = WaveAt(s, x);
                return std::conj(w.value) * Complex(0, -1 / pi) * w.slope;
            }).real()};
}

const struct {
    const char* name;
    Components magnitudes, degrees;
} kStates[] = {
    {"ground state", {1}, {}},
    {"states 1 and 2 as 3 and 4", {3, 4}, {}},
    {"states 1 and 2 a quarter turn apart", {3, 4}, {0, 90}},
    {"all six with a negative one", {1, -2, 3, 0.5, 5, 6}, {10, -20, 30, 45, 77, 1e6}},
};

TEST(Observables, ClosedFormsMatchTheIntegralsOverTheBox) {
    for (const auto& row : kStates) {
        SCOPED_TRACE(row.name);
        const physics::State state = physics::StateOf(row.magnitudes, row.degrees);
        const physics::Observables o = physics::Measure(state).value();
        const Numerical n = Integrate(state);
        const double variances[][2] = {
            {o.energy.spread * o.energy.spread, n.energySquared - n.energy * n.energy},
            {o.position.spread * o.position.spread, n.positionSquared - n.position * n.position},
            {o.momentum.spread * o.momentum.spread, n.energy - n.momentum * n.momentum},
        };
        EXPECT_NEAR(o.energy.mean, n.energy, 1e-9);
        EXPECT_NEAR(o.position.mean, n.position, 1e-9);
        EXPECT_NEAR(o.momentum.mean, n.momentum, 1e-9);
        for (const auto& [closed, numerical] : variances)
            EXPECT_NEAR(closed, numerical, 1e-9);
        EXPECT_NEAR(o.uncertainty, 2 * pi * std::sqrt(variances[1][1] * variances[2][1]), 1e-9);
        for (double p : {-9.7, -2.0, 0.0, 1.0, 2.5, 3 + 1e-9, 6.0}) {
            const Complex transform =
                Integral([&](double x) { return std::polar(1.0, -pi * p * x) * WaveAt(state, x).value; });
            EXPECT_NEAR(physics::MomentumDensity(state, p), std::norm(transform) / 2, 1e-9) << p;
        }
    }
}

TEST(Observables, NoStateBeatsTheUncertaintyRelation) {
    std::mt19937 random(19);
    std::uniform_real_distribution<double> magnitude(-1, 1);
    std::uniform_real_distribution<double> degrees(0, 360);
    double lowest = INFINITY;
    for (int i = 0; i < 20000; ++i) {
        Components m{};
        Components a{};
        for (int k = 0; k < physics::kComponents; ++k) {
            m[k] = magnitude(random) * (i % 3 == 0 && k > 1 ? 0 : 1); // some with two states only
            a[k] = degrees(random);
        }
        lowest = std::min(lowest, physics::Measure(physics::StateOf(m, a)).value().uncertainty);
    }
    EXPECT_GE(lowest, 1);
    EXPECT_FALSE(physics::Measure(physics::StateOf({}, {}))) << "the zero state has no observables";
    EXPECT_LT(lowest, 1.1357) << "some superposition does better than the ground state";
}

// The animation turns the phases forwards, which runs time backwards, so <x> changes at -4 <p>
// per period T1 (d<x>/dt = <p>/m, in these units 4 <p> per T1 of physical time).
TEST(Observables, TheAnimatedPacketMovesAgainstItsMomentum) {
    for (const auto& row : kStates) {
        const physics::State state = physics::StateOf(row.magnitudes, row.degrees);
        const double h = 1e-6;
        const double rate = (physics::PositionOf(physics::Turned(state, h))->mean -
                             physics::PositionOf(physics::Turned(state, -h))->mean) /
                            (2 * h);
        EXPECT_NEAR(rate, -4 * physics::Measure(state)->momentum.mean, 1e-5) << row.name;
    }
}

TEST(MomentumProfile, StaysUnderItsBoundAndMatchesThePointwiseForm) {
    const physics::MomentumProfile profile;
    physics::MomentumProfile::Densities densities{};
    for (const auto& row : kStates) {
        const physics::State state = physics::StateOf(row.magnitudes, row.degrees);
        profile.Fill(state, densities);
        for (int i = 0; i < physics::MomentumProfile::kPoints; i += 20)
            EXPECT_DOUBLE_EQ(densities[i],
                             physics::MomentumDensity(state, physics::MomentumProfile::MomentumAt(i)))
                << i;
    }
    for (int i = 0; i < physics::MomentumProfile::kPoints; ++i) {
        double bound = 0;
        for (int n = 1; n <= physics::kComponents; ++n)
            bound += std::norm(physics::MomentumAmplitude(n, physics::MomentumProfile::MomentumAt(i)));
        ASSERT_LE(bound, physics::MomentumProfile::kHighestDensity) << i;
    }
}

} // namespace
