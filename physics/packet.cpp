#include "physics/packet.h"

#include "physics/state.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>

namespace physics {

namespace {

using std::numbers::pi;

// Gauss-Legendre rule of this order on each panel: exact for polynomials of degree 31, so a panel no
// wider than the bell's width or a radian of the fastest wave is integrated to rounding.
constexpr int kOrder = 16;
// Beyond this many widths from the centre exp(-u^2 / (4 width^2)) is below 1e-43 of its peak.
constexpr double kReachInWidths = 20;
constexpr int kFewestPanels = 64;

struct Rule {
    std::array<double, kOrder> nodes{}; // on [-1, 1]
    std::array<double, kOrder> weights{};
};

// The nodes are the roots of the Legendre polynomial P_kOrder, found by Newton's method from the
// usual first guesses; each converges in a few steps.
Rule MakeRule() {
    Rule rule;
    for (int i = 0; i < kOrder / 2; ++i) {
        double z = std::cos(pi * (i + 0.75) / (kOrder + 0.5));
        double slope = 1;
        for (int step = 0; step < 100; ++step) {
            double p = 1;
            double previous = 0;
            for (int j = 1; j <= kOrder; ++j) {
                const double older = previous;
                previous = p;
                p = ((2 * j - 1) * z * previous - (j - 1) * older) / j;
            }
            slope = kOrder * (z * p - previous) / (z * z - 1);
            const double next = z - p / slope;
            const bool settled = std::abs(next - z) < 1e-15;
            z = next;
            if (settled)
                break;
        }
        const double weight = 2 / ((1 - z * z) * slope * slope);
        rule.nodes[i] = -z;
        rule.nodes[kOrder - 1 - i] = z;
        rule.weights[i] = rule.weights[kOrder - 1 - i] = weight;
    }
    return rule;
}

const Rule& TheRule() {
    static const Rule rule = MakeRule();
    return rule;
}

bool Valid(const PacketShape& shape) {
    return std::isfinite(shape.centre) && std::isfinite(shape.width) && shape.width > 0 &&
           std::isfinite(shape.wavenumber);
}

// The integrals over the box of sqrt(2) sin(n pi x) psi0(x), for psi0 without its factor A, and of
// |psi0|^2, over the part of the box where the packet is not negligible.
struct Overlaps {
    std::array<Complex, kComponents> amplitudes{};
    double size = 0;
};

Overlaps Integrate(const PacketShape& shape) {
    const double from = std::clamp(shape.centre - kReachInWidths * shape.width, 0.0, 1.0);
    const double to = std::clamp(shape.centre + kReachInWidths * shape.width, 0.0, 1.0);
    const double fastest = pi * (std::abs(shape.wavenumber) + kComponents);
    const int panels = std::max(kFewestPanels, static_cast<int>(std::ceil((to - from) * fastest)));
    const double half = (to - from) / panels / 2;
    const Rule& rule = TheRule();
    Overlaps overlaps;
    for (int panel = 0; panel < panels; ++panel) {
        const double middle = from + (2 * panel + 1) * half;
        for (int i = 0; i < kOrder; ++i) {
            const double x = middle + half * rule.nodes[i];
            const double u = x - shape.centre;
            const double bell = std::exp(-u * u / (4 * shape.width * shape.width));
            const Complex psi0 = std::polar(bell, pi * shape.wavenumber * x);
            const double weight = half * rule.weights[i];
            overlaps.size += weight * bell * bell;
            for (int k = 0; k < kComponents; ++k)
                overlaps.amplitudes[k] += weight * std::sqrt(2.0) * std::sin((k + 1) * pi * x) * psi0;
        }
    }
    return overlaps;
}

} // namespace

// The angles are turned into degrees by the same constant that turns typed degrees back into
// radians, so that the fields give back these very phases.
std::optional<Packet> PacketOf(const PacketShape& shape) {
    if (!Valid(shape))
        return std::nullopt;
    const Overlaps overlaps = Integrate(shape);
    double held = 0;
    for (const Complex& amplitude : overlaps.amplitudes)
        held += std::norm(amplitude);
    if (!(overlaps.size > 0) || !(held > 0))
        return std::nullopt;
    Packet packet;
    packet.share = held / overlaps.size;
    for (int k = 0; k < kComponents; ++k) {
        packet.magnitudes[k] = std::abs(overlaps.amplitudes[k]) / std::sqrt(held);
        packet.degrees[k] = std::arg(overlaps.amplitudes[k]) / kDegreesToRadians;
    }
    return packet;
}

} // namespace physics
