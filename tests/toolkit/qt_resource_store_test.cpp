#include "toolkit/platform.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourceStore, ReadsTextsCompiledIntoTheProgramByTypeAndId) {
    tk::ResourceStore* store = tk::ThePlatform().Resources();
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->GetResource("TEXT", 7), "<p>Hello</p>");
    EXPECT_EQ(store->GetResource("TEXT", 8), "") << "a missing resource is an empty text";
    EXPECT_EQ(store->GetResource("PICT", 7), "");
}

} // namespace
