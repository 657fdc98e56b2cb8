// The packet's projection against the integrals over the box worked out by Simpson's rule.

#include "physics/packet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace {

using Complex = std::complex<double>;
using std::numbers::pi;

struct Simpson {
    std::array<Complex, physics::kComponents> c{}; // normalized over the six states
    double share = 0;
};

// Simpson's rule on 200,000 intervals of the box: better than 1e-12 for packets as narrow as L/200.
Simpson Integrate(const physics::PacketShape& shape) {
    constexpr int kIntervals = 200000;
    Simpson result;
    double size = 0;
    for (int i = 0; i <= kIntervals; ++i) {
        const double x = double(i) / kIntervals;
        const double weight = (i == 0 || i == kIntervals ? 1.0 : i % 2 ? 4.0 : 2.0) / (3.0 * kIntervals);
        const Complex psi = std::exp(Complex(-std::pow(x - shape.centre, 2) / (4 * shape.width * shape.width),
                                             pi * shape.wavenumber * x));
        size += weight * std::norm(psi);
        for (int n = 1; n <= physics::kComponents; ++n)
            result.c[n - 1] += weight * std::sqrt(2.0) * std::sin(n * pi * x) * psi;
    }
    double held = 0;
    for (const Complex& c : result.c)
        held += std::norm(c);
    for (Complex& c : result.c)
        c /= std::sqrt(held);
    result.share = held / size;
    return result;
}

TEST(Packet, MatchesTheIntegralsOverTheBox) {
    const struct {
        const char* name = nullptr;
        physics::PacketShape shape;
    } rows[] = {
        {"at rest near L/4", {0.25, 0.05, 0}},       {"moving right", {0.3, 0.08, 3}},
        {"moving left, wide", {0.6, 0.4, -2}},       {"against the wall", {0.02, 0.05, 0}},
        {"centred outside the box", {-0.1, 0.1, 1}}, {"far narrower than the states", {0.5, 0.005, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const physics::Packet packet = physics::PacketOf(row.shape).value();
        const Simpson expected = Integrate(row.shape);
        EXPECT_NEAR(packet.share, expected.share, 1e-9);
        for (int k = 0; k < physics::kComponents; ++k) {
            const Complex c =
                std::polar(packet.magnitudes[k], packet.degrees[k] * physics::kDegreesToRadians);
            EXPECT_NEAR(std::abs(c - expected.c[k]), 0, 1e-9) << "n = " << k + 1;
        }
    }
}

TEST(Packet, HasNoneForAShapeThatIsNoPacket) {
    const physics::PacketShape shapes[] = {{0.5, 0, 0},        {0.5, -0.1, 0},  {NAN, 0.1, 0},
                                           {0.5, INFINITY, 0}, {0.5, 0.1, NAN}, {-5, 0.01, 0}};
    for (const physics::PacketShape& shape : shapes)
        EXPECT_FALSE(physics::PacketOf(shape))
            << shape.centre << " " << shape.width << " " << shape.wavenumber;
}

} // namespace
