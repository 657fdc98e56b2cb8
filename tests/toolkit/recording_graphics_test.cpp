#include "tests/support/fake_platform.h"
#include "tests/support/recording_graphics.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;

TEST(RecordingGraphics, RecordsEachCallWithTheStyleInForce) {
    fake::RecordingGraphics g;
    g.SetForeColor(tk::RGB(1, 2, 3));
    g.SetTextFont("Symbol");
    g.SetTextSize(9);
    g.SetBold(true);
    g.DrawString("ab", 10, 20);
    g.SetItalic(true);
    g.DrawLine(1, 2, 3, 4);
    g.FillPolygon({{1, 2}, {3, 4}, {5, 6}});

    EXPECT_THAT(g.Ops(), ElementsAre("DrawString 'ab' 10 20", "DrawLine 1 2 3 4", "FillPolygon 1 2 3 4 5 6"));
    const fake::DrawCall& text = g.Calls()[0];
    EXPECT_EQ(text.color, tk::RGB(1, 2, 3));
    EXPECT_EQ(text.font, "Symbol");
    EXPECT_EQ(text.size, 9);
    EXPECT_TRUE(text.bold);
    EXPECT_FALSE(text.italic);
    EXPECT_TRUE(g.Calls()[1].italic);
    EXPECT_THAT(g.Ops("DrawLine"), ElementsAre("DrawLine 1 2 3 4"));
}

TEST(RecordingGraphics, HasFixedMetricsThatFollowTheSize) {
    fake::RecordingGraphics g;
    EXPECT_DOUBLE_EQ(g.StringWidth("abc"), 3 * 7.2) << "size 0 counts as 12";
    EXPECT_EQ(g.TextHeight(), 12);
    g.SetTextSize(9);
    EXPECT_DOUBLE_EQ(g.StringWidth("αβ"), 2 * 5.4) << "characters, not bytes";
    EXPECT_EQ(g.TextHeight(), 9);
}

TEST(RecordingGraphics, ContextsCanShareOneLog) {
    auto log = std::make_shared<fake::CallLog>();
    fake::RecordingGraphics a(log);
    fake::RecordingGraphics b(log);
    a.FillRect(0, 0, 1, 1);
    b.DrawOval(1, 2, 3, 4);
    EXPECT_THAT(a.Ops(), ElementsAre("FillRect 0 0 1 1", "DrawOval 1 2 3 4"));
}

TEST(FakePlatform, MakesRecordingPicturesOrNothingWhenToldTo) {
    fake::ScopedFakePlatform fake;
    auto picture = tk::NewPicture(30, 20, 32);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 30);
    EXPECT_NE(picture->Graphics(), nullptr);
    fake.platform.picturesWithoutGraphics = true;
    EXPECT_EQ(tk::NewPicture(1, 1, 32)->Graphics(), nullptr);
    fake.platform.failPictures = true;
    EXPECT_EQ(tk::NewPicture(1, 1, 32), nullptr);
    EXPECT_EQ(fake.platform.picturesMade, 2);
}

} // namespace
