// The preview of Build a Packet: the packet's density is a whole particle over the box, and its
// projection holds the share, both checked by Simpson's rule over the preview's own samples.

#include "physics/packet_preview.h"

#include <gtest/gtest.h>

namespace {

double SimpsonArea(const physics::Samples& samples) {
    double sum = samples.front() + samples.back();
    for (int j = 1; j < physics::kSamples - 1; ++j)
        sum += (j % 2 ? 4 : 2) * samples[j];
    return sum * physics::kSampleSpacing / 3;
}

TEST(PacketPreview, HoldsAWholeParticleAndTheSixStatesShare) {
    const struct {
        const char* name = nullptr;
        physics::PacketShape shape;
    } cases[] = {
        {"broad, at rest, near L/4", {0.25, 0.08, 0}},
        {"moving, cut by the wall", {0.1, 0.1, 3}},
    };
    for (const auto& c : cases) {
        const auto packet = physics::PacketOf(c.shape);
        ASSERT_TRUE(packet) << c.name;
        const physics::PacketPreview preview = physics::PreviewOf(c.shape, *packet);
        EXPECT_NEAR(SimpsonArea(preview.packet), 1, 1e-5) << c.name;
        EXPECT_NEAR(SimpsonArea(preview.projection), packet->share, 1e-5) << c.name;
    }
}

} // namespace
