// The About window on a platform without a screen, whose store may lack the page or be missing.

#include "app/about_parvok.h"
#include "app/about_wndo.h"
#include "tests/support/fake_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// Opened with or without a store and the page in it, then again once both are there (the last column).
TEST(AboutWndo, ReadsThePageOnceAndOnlyFromAStore) {
    const std::string page = "<h1>Parvok</h1>";
    const std::tuple<const char*, bool, bool, std::string> openings[] = {
        {"page present", true, true, page},
        {"page missing: the empty text is kept", true, false, ""},
        {"no store: tried again later", false, false, page},
    };
    for (const auto& [name, store, stored, later] : openings) {
        SCOPED_TRACE(name);
        fake::ScopedFakePlatform fake;
        fake.platform.hasResources = store;
        if (stored)
            fake.platform.resources.texts[{"TEXT", 168}] = page;
        EXPECT_TRUE(AboutWndo::Instance().IsOpen());
        EXPECT_EQ(AboutWndo::Instance().HTMLViewer1->PageSource(), stored ? page : "");
        EXPECT_EQ(AboutParvok::loaded, store);
        fake.platform.hasResources = true;
        fake.platform.resources.texts[{"TEXT", 168}] = page;
        AboutWndo::Instance().Close();
        AboutWndo::Release();
        EXPECT_EQ(AboutWndo::Instance().HTMLViewer1->PageSource(), later);
        EXPECT_EQ(fake.platform.resources.reads, 1);
        AboutWndo::Release();
        AboutParvok::Release();
    }
}

} // namespace
