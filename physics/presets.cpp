#include "physics/presets.h"

#include "physics/normalization.h"

#include <cmath>

namespace physics {

namespace {

// The packets' width: as narrow as six states draw without ripples worth seeing (their shortest
// half-wave is L/6); 98 % of such a packet near L/4 lies in the left half of the box.
constexpr double kPacketWidth = 0.05;
// Midpoints of the projection's integral; far finer than the bump.
constexpr int kIntegrationPoints = 2000;

Components Sum(const Components& a, const Components& b) {
    Components sum{};
    for (int k = 0; k < kComponents; ++k)
        sum[k] = a[k] + b[k];
    return sum;
}

Components Amplitudes(Preset preset) {
    switch (preset) {
    case Preset::Ground:
        return {1};
    case Preset::FirstTwo:
        return {1, 1};
    case Preset::FirstThree:
        return {1, 1, 1};
    case Preset::Packet:
        return BumpAmplitudes(0.25, kPacketWidth);
    case Preset::Cat:
        return Sum(BumpAmplitudes(0.25, kPacketWidth), BumpAmplitudes(0.75, kPacketWidth));
    }
    return {};
}

} // namespace

Components BumpAmplitudes(double centre, double width) {
    Components amplitudes{};
    for (int i = 0; i < kIntegrationPoints; ++i) {
        const double x = (i + 0.5) / kIntegrationPoints;
        const double bump = std::exp(-(x - centre) * (x - centre) / (2 * width * width));
        for (int k = 0; k < kComponents; ++k)
            amplitudes[k] += bump * std::sin((k + 1) * kPi * x) / kIntegrationPoints;
    }
    return amplitudes;
}

// A sign is an angle of 180 degrees; an amplitude that six decimals show as 0 keeps the angle 0.
Typed TypedPreset(Preset preset) {
    const Components normalized = Normalized(Amplitudes(preset));
    Typed typed;
    for (int k = 0; k < kComponents; ++k) {
        typed.magnitudes[k] = std::round(std::abs(normalized[k]) * kFieldResolution) / kFieldResolution;
        typed.degrees[k] = normalized[k] < 0 && typed.magnitudes[k] > 0 ? 180 : 0;
    }
    return typed;
}

} // namespace physics
