// The wavefunction at any number of points against what is known of it without its closed form: the
// frames' own samples, and the density's area and mean position by numerical integration.

#include "physics/observables.h"
#include "physics/presets.h"
#include "physics/profile.h"
#include "physics/superposition.h"

#include <gtest/gtest.h>

namespace {

using physics::Profile;

// At the frames' 101 abscissae the profile is the frames' samples; between them it is as fine as
// asked for: its density's area over the box is the weights' share of the particle, and its mean
// position that of the observables, both by the trapezoid rule over its points.
TEST(Profile, MatchesTheSamplesAndIntegratesToTheStatesShare) {
    const physics::Typed packet = physics::TypedPreset(physics::Preset::Packet);
    const physics::Components phases{10, 200, -35, 90, 1000, 7};
    physics::Samples real;
    physics::Samples imaginary;
    physics::Samples density;
    physics::Superpose(packet.magnitudes, phases, real, imaginary, density);
    Profile coarse;
    coarse.Resize(physics::kSamples);
    coarse.Fill(packet.magnitudes, phases, Profile::Scale::Scaled);
    for (int j = 0; j < physics::kSamples; ++j) {
        EXPECT_NEAR(coarse.Real()[j], real[j], 1e-12) << j;
        EXPECT_NEAR(coarse.Imaginary()[j], imaginary[j], 1e-12) << j;
    }

    Profile fine;
    fine.Resize(4001);
    fine.Fill(packet.magnitudes, phases, Profile::Scale::Physical);
    double area = 0;
    double moment = 0;
    for (int i = 1; i < fine.Count(); ++i) {
        const double dx = fine.X(i) - fine.X(i - 1);
        area += dx * (fine.Density()[i] + fine.Density()[i - 1]) / 2;
        moment += dx * (fine.X(i) * fine.Density()[i] + fine.X(i - 1) * fine.Density()[i - 1]) / 2;
    }
    double share = 0;
    for (double m : packet.magnitudes)
        share += m * m;
    EXPECT_NEAR(area, share, 1e-6);
    const auto position = physics::PositionOf(physics::StateOf(packet.magnitudes, phases));
    ASSERT_TRUE(position);
    EXPECT_NEAR(moment / area, position->mean, 1e-6);

    fine.Fill({}, phases, Profile::Scale::Scaled);
    EXPECT_TRUE(fine.Empty()) << "no weight, no wavefunction";
}

} // namespace
