// Drawing SStrings through the recording context: where each segment lands, in which style, and
// that the target's style is put back. Metrics: 7.2 pixels a character at size 12, 5.4 at 9.

#include "tests/graph/opened_graph.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

using namespace testing_graph;

class SStringRenderTest : public ::testing::Test, protected RecordingTarget {
protected:
    Ops DrawnAt(const std::string& s, std::int32_t anchor) {
        target.Clear();
        graph.DrawSString(s, 100, 50, anchor);
        return target.Ops("DrawString");
    }
    Ops StyledCalls() const {
        Ops drawn;
        for (const auto& call : target.Calls())
            drawn.push_back(Styled(call));
        return drawn;
    }
};

// ---- Anchors ----

// Lines 14, 28 and 7 wide, 12 high, each aligned by its own recorded width; "abc" is 21 wide, so
// centred it starts round(10.5) = 11 left of x.
TEST_F(SStringRenderTest, EachAnchorPutsItsPointOfTheBlockOnXY) {
    const std::string three = graph.SetSString("ab|abcd|a");
    const std::string one = graph.SetSString("abc");
    const std::tuple<const std::string&, std::int32_t, Ops> cases[] = {
        {three, 0, {"DrawString 'ab' 100 50", "DrawString 'abcd' 100 62", "DrawString 'a' 100 74"}},
        {three, 1, {"DrawString 'ab' 100 26", "DrawString 'abcd' 100 38", "DrawString 'a' 100 50"}},
        {three, 2, {"DrawString 'ab' 93 26", "DrawString 'abcd' 86 38", "DrawString 'a' 96 50"}},
        {three, 3, {"DrawString 'ab' 86 26", "DrawString 'abcd' 72 38", "DrawString 'a' 93 50"}},
        {three, 4, {"DrawString 'ab' 100 42", "DrawString 'abcd' 100 54", "DrawString 'a' 100 66"}},
        {three, 5, {"DrawString 'ab' 93 42", "DrawString 'abcd' 86 54", "DrawString 'a' 96 66"}},
        {three, 6, {"DrawString 'ab' 86 42", "DrawString 'abcd' 72 54", "DrawString 'a' 93 66"}},
        {three, 7, {"DrawString 'ab' 100 60", "DrawString 'abcd' 100 72", "DrawString 'a' 100 84"}},
        {three, 8, {"DrawString 'ab' 93 60", "DrawString 'abcd' 86 72", "DrawString 'a' 96 84"}},
        {three, 9, {"DrawString 'ab' 86 60", "DrawString 'abcd' 72 72", "DrawString 'a' 93 84"}},
        {three, 10, {"DrawString 'ab' 100 50", "DrawString 'abcd' 100 62", "DrawString 'a' 100 74"}},
        {one, -1, {"DrawString 'abc' 100 50"}},
        {one, 1, {"DrawString 'abc' 100 50"}},
        {one, 5, {"DrawString 'abc' 89 54"}},
        {one, 9, {"DrawString 'abc' 79 60"}},
    };
    for (const auto& [s, anchor, drawn] : cases)
        EXPECT_EQ(DrawnAt(s, anchor), drawn) << graph.GetSString(s) << " anchor " << anchor;
}

// ---- Plain markup and damaged headers ----

TEST_F(SStringRenderTest, PlainMarkupAndDamagedHeadersAreDrawnWithTheTargetLineHeightAndNoWidths) {
    const std::string two = graph.SetSString("ab|cd");
    std::string noLines = two;
    noLines[1] = '\0';
    const std::tuple<std::string, std::int32_t, Ops> cases[] = {
        {"ab|c", 0, {"DrawString 'ab' 100 50", "DrawString 'c' 100 62"}},
        {"ab", 3, {"DrawString 'ab' 100 62"}},
        {"ab", 5, {"DrawString 'ab' 100 60"}},
        {".x", 0, {"DrawString '.x' 100 50"}},
        {"", 5, {}},
        // Two lines need 9 header items.
        {two.substr(0, 8), 7, {"DrawString '" + two.substr(0, 8) + "' 100 60"}},
        // The header bytes are text up to the font name: 9 characters of 7.2.
        {noLines,
         0,
         {"DrawString '" + noLines.substr(0, 9) + "' 100 50", "DrawString 'ab' 164 50",
          "DrawString 'cd' 100 62"}},
        // A complete header with nothing after it draws nothing.
        {graph.SetSString("ab").substr(0, 7), 5, {}},
        // A line beyond the recorded ones counts as 0 wide.
        {graph.SetSString("abc") + "|de", 2, {"DrawString 'abc' 89 50", "DrawString 'de' 100 62"}},
    };
    for (const auto& [s, anchor, drawn] : cases)
        EXPECT_EQ(DrawnAt(s, anchor), drawn) << ::testing::PrintToString(s);
}

// ---- The markup drawn ----

TEST_F(SStringRenderTest, DrawsEachSegmentWhereThePenIsInItsStyle) {
    const std::pair<const char*, Ops> cases[] = {
        // A superscript is round(0.3 x 12) = 4 higher at round(0.72 x 12) = 9 points; after it
        // closes, by "^", "_" or a space, the text is back on the baseline at the base size.
        {"a^b^c", {"'a' 100 50 System 12", "'b' 107 46 System 9", "'c' 112 50 System 12"}},
        {"a^b c", {"'a' 100 50 System 12", "'b' 107 46 System 9", "' c' 112 50 System 12"}},
        {"a_b c", {"'a' 100 50 System 12", "'b' 107 54 System 9", "' c' 112 50 System 12"}},
        {"a_b^c", {"'a' 100 50 System 12", "'b' 107 54 System 9", "'c' 112 50 System 12"}},
        {"#24#a^b", {"'a' 100 50 System 24", "'b' 114 43 System 17"}},
        // The line height sampled at "a" is the script's, 9.
        {"^a|b", {"'a' 100 46 System 9", "'b' 100 55 System 9"}},
        // "$" switches to Symbol until the next "$" or a closing space.
        {"$ab c", {"'ab' 100 50 Symbol 12", "' c' 114 50 System 12"}},
        {"$a$b", {"'a' 100 50 Symbol 12", "'b' 107 50 System 12"}},
        {"@Helvetica@a$b c", {"'a' 100 50 Helvetica 12", "'b' 107 50 Symbol 12", "' c' 114 50 Helvetica 12"}},
        {"a!b!c", {"'a' 100 50 System 12", "'b' 107 50 System 12 bold", "'c' 114 50 System 12"}},
        {"a\\b", {"'a' 100 50 System 12", "'b' 107 50 System 12 italic"}},
        {"\\a^b", {"'a' 100 50 System 12 italic", "'b' 109 46 System 9 italic"}},
        {"\\a_b", {"'a' 100 50 System 12 italic", "'b' 105 54 System 9 italic"}},
        {"a~b", {"'a' 100 50 System 12", "'b' 108 50 System 12"}},
        {"&^b", {"'^b' 100 50 System 12"}},
        {"a&", {"'a' 100 50 System 12"}},
        {"ab@cd", {"'ab' 100 50 System 12"}},
        {"ab#1", {"'ab' 100 50 System 12"}},
        {"#x#a", {"'a' 100 50 System 0"}},
        {"~~~", {}},
    };
    for (const auto& [markup, drawn] : cases) {
        const std::string s = graph.SetSString(markup);
        target.Clear();
        graph.DrawSString(s, 100, 50);
        EXPECT_EQ(StyledCalls(), drawn) << markup;
    }
}

TEST_F(SStringRenderTest, FontAndSizeComeFromTheSStringBoldItalicAndColourFromTheTargetAllPutBack) {
    graph.SetFontInfo("Helvetica", 10);
    const std::string s = graph.SetSString("a!b\\c$d");
    graph.SetFontInfo("Times", 14, true, false);
    graph.SetColor(kRed);
    target.Clear();
    graph.DrawSString(s, 100, 50);
    EXPECT_EQ(StyledCalls(), (Ops{"'a' 100 50 Helvetica 10 bold", "'b' 106 50 Helvetica 10",
                                  "'c' 112 50 Helvetica 10 italic", "'d' 118 50 Symbol 10 italic"}));
    for (const auto& call : target.Calls())
        EXPECT_EQ(call.color, kRed);
    EXPECT_EQ(StyleOf(target), Style("Times", 14, true, false));
    EXPECT_EQ(target.ForeColor(), kRed);
}

} // namespace
