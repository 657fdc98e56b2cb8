// The placeholders of a translated sentence: filled in one pass, wherever the translation moved them.

#include "toolkit/translation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Substitute, FillsThePlaceholdersWhereverTheTranslationPutsThem) {
    const struct {
        const char* name;
        const char* text;
        const char* first;
        const char* expected;
    } cases[] = {
        {"moved by the translation", "%2 in %1", "/home", "b.svg in /home"},
        {"an argument holding a placeholder is not filled again", "%1 and %1", "%2", "%2 and %2"},
        {"a percent sign before no digit stays", "100% of %1", "/home", "100% of /home"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::Substitute(c.text, {c.first, "b.svg"}), c.expected) << c.name;
    std::string line = "t = ";
    tk::AppendSubstituted(line, "%1 T₁", {"0.250"});
    EXPECT_EQ(line, "t = 0.250 T₁") << "appended after what the text held";
}

} // namespace
