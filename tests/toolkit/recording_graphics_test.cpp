// The recording drawing context's fixed metrics, which the logic's tests lay text out with.

#include "tests/support/recording_graphics.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordingGraphics, HasFixedMetricsThatFollowTheSize) {
    fake::RecordingGraphics g;
    EXPECT_DOUBLE_EQ(g.StringWidth("abc"), 3 * 7.2) << "size 0 counts as 12";
    EXPECT_EQ(g.TextHeight(), 12);
    g.SetTextSize(9);
    EXPECT_DOUBLE_EQ(g.StringWidth("αβ"), 2 * 5.4) << "characters, not bytes";
    EXPECT_EQ(g.TextHeight(), 9);
}

} // namespace
