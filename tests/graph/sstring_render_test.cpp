// Drawing SStrings through the recording context: where each segment lands, in which style, and
// that the target's style is put back. Metrics: 7.2 pixels a character at size 12, 5.4 at 9.

#include "graph/graph.h"
#include "tests/support/recording_graphics.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using Ops = std::vector<std::string>;

// "'b' 107 46 System 9 bold": a drawn segment with its position and style.
std::string Styled(const fake::DrawCall& call) {
    std::string s = "'" + call.text + "' " + std::to_string(call.args[0]) + " " +
                    std::to_string(call.args[1]) + " " + call.font + " " + std::to_string(call.size);
    if (call.bold)
        s += " bold";
    if (call.italic)
        s += " italic";
    return s;
}

class SStringRenderTest : public ::testing::Test {
protected:
    SStringRenderTest() {
        graph.GX = &target;
        graph.SetFontInfo("System", 12, false, false);
    }

    Ops DrawnAt(const std::string& s, std::int32_t anchor) {
        target.Clear();
        graph.DrawSString(s, 100, 50, anchor);
        return target.Ops("DrawString");
    }

    Ops DrawnStyled(const std::string& markup) {
        const std::string s = graph.SetSString(markup);
        target.Clear();
        graph.DrawSString(s, 100, 50);
        Ops drawn;
        for (const auto& call : target.Calls())
            drawn.push_back(Styled(call));
        return drawn;
    }

    Graph graph;
    fake::RecordingGraphics target;
};

// ---- Anchors ----

struct Anchored {
    std::int32_t anchor;
    Ops drawn;
    friend std::ostream& operator<<(std::ostream& os, const Anchored& a) {
        return os << "anchor " << a.anchor;
    }
};

// "abc" is 21 pixels wide and 12 high: centred it starts round(10.5) = 11 left of x.
class OneLineAnchorTest : public SStringRenderTest, public ::testing::WithParamInterface<Anchored> {};

TEST_P(OneLineAnchorTest, PutsTheAnchorPointOnXY) {
    EXPECT_EQ(DrawnAt(graph.SetSString("abc"), GetParam().anchor), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Render, OneLineAnchorTest,
    ::testing::Values(Anchored{0, {"DrawString 'abc' 100 50"}}, Anchored{1, {"DrawString 'abc' 100 50"}},
                      Anchored{2, {"DrawString 'abc' 89 50"}}, Anchored{3, {"DrawString 'abc' 79 50"}},
                      Anchored{4, {"DrawString 'abc' 100 54"}}, Anchored{5, {"DrawString 'abc' 89 54"}},
                      Anchored{6, {"DrawString 'abc' 79 54"}}, Anchored{7, {"DrawString 'abc' 100 60"}},
                      Anchored{8, {"DrawString 'abc' 89 60"}}, Anchored{9, {"DrawString 'abc' 79 60"}},
                      Anchored{10, {"DrawString 'abc' 100 50"}}, Anchored{-1, {"DrawString 'abc' 100 50"}}));

// Lines 14, 28 and 7 wide, 12 high: each line is aligned by its own recorded width.
class ThreeLineAnchorTest : public SStringRenderTest, public ::testing::WithParamInterface<Anchored> {};

TEST_P(ThreeLineAnchorTest, AlignsEveryLineOnX) {
    EXPECT_EQ(DrawnAt(graph.SetSString("ab|abcd|a"), GetParam().anchor), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Render, ThreeLineAnchorTest,
    ::testing::Values(
        Anchored{0, {"DrawString 'ab' 100 50", "DrawString 'abcd' 100 62", "DrawString 'a' 100 74"}},
        Anchored{1, {"DrawString 'ab' 100 26", "DrawString 'abcd' 100 38", "DrawString 'a' 100 50"}},
        Anchored{2, {"DrawString 'ab' 93 26", "DrawString 'abcd' 86 38", "DrawString 'a' 96 50"}},
        Anchored{3, {"DrawString 'ab' 86 26", "DrawString 'abcd' 72 38", "DrawString 'a' 93 50"}},
        Anchored{4, {"DrawString 'ab' 100 42", "DrawString 'abcd' 100 54", "DrawString 'a' 100 66"}},
        Anchored{5, {"DrawString 'ab' 93 42", "DrawString 'abcd' 86 54", "DrawString 'a' 96 66"}},
        Anchored{6, {"DrawString 'ab' 86 42", "DrawString 'abcd' 72 54", "DrawString 'a' 93 66"}},
        Anchored{7, {"DrawString 'ab' 100 60", "DrawString 'abcd' 100 72", "DrawString 'a' 100 84"}},
        Anchored{8, {"DrawString 'ab' 93 60", "DrawString 'abcd' 86 72", "DrawString 'a' 96 84"}},
        Anchored{9, {"DrawString 'ab' 86 60", "DrawString 'abcd' 72 72", "DrawString 'a' 93 84"}}));

TEST_F(SStringRenderTest, TwoArgumentFormIsAnchorZero) {
    graph.DrawSString(graph.SetSString("ab|c"), 100, 50);
    EXPECT_EQ(target.Ops("DrawString"), (Ops{"DrawString 'ab' 100 50", "DrawString 'c' 100 62"}));
}

TEST_F(SStringRenderTest, ALineBeyondTheRecordedOnesCountsAsZeroWide) {
    EXPECT_EQ(DrawnAt(graph.SetSString("abc") + "|de", 2),
              (Ops{"DrawString 'abc' 89 50", "DrawString 'de' 100 62"}));
}

// ---- Plain markup and damaged headers ----

TEST_F(SStringRenderTest, PlainMarkupUsesTheTargetLineHeightAndNoWidths) {
    EXPECT_EQ(DrawnAt("ab|c", 0), (Ops{"DrawString 'ab' 100 50", "DrawString 'c' 100 62"}));
    EXPECT_EQ(DrawnAt("ab", 3), (Ops{"DrawString 'ab' 100 62"}));
    EXPECT_EQ(DrawnAt("ab", 5), (Ops{"DrawString 'ab' 100 60"}));
}

TEST_F(SStringRenderTest, DamagedHeaderIsDrawnAsPlainMarkup) {
    const std::string s = graph.SetSString("ab|cd");
    const std::string cut = s.substr(0, 8); // two lines need 9 header items
    EXPECT_EQ(DrawnAt(cut, 7), (Ops{"DrawString '" + cut + "' 100 60"}));
    EXPECT_EQ(DrawnAt(".x", 0), (Ops{"DrawString '.x' 100 50"}));
    std::string noLines = s;
    noLines[1] = '\0';
    const Ops drawn = DrawnAt(noLines, 0);
    ASSERT_EQ(drawn.size(), 3u) << "the header, then the two lines";
    EXPECT_EQ(drawn[0], "DrawString '" + noLines.substr(0, 9) + "' 100 50");
}

TEST_F(SStringRenderTest, CompleteHeaderWithNothingAfterItDrawsNothing) {
    EXPECT_TRUE(DrawnAt(graph.SetSString("ab").substr(0, 7), 5).empty());
}

TEST_F(SStringRenderTest, EmptyStringDrawsNothingWithOrWithoutTarget) {
    graph.DrawSString("", 1, 2, 5);
    EXPECT_TRUE(target.Calls().empty());
    graph.GX = nullptr;
    EXPECT_NO_THROW(graph.DrawSString("", 1, 2, 5));
}

TEST_F(SStringRenderTest, TextWithoutTargetIsAGraphError) {
    graph.GX = nullptr;
    try {
        graph.DrawSString("a", 1, 2);
        FAIL() << "no GraphError";
    } catch (const GraphError& e) {
        EXPECT_EQ(e.msg, "DrawSString: Graphics target undefined.");
    }
}

// ---- The markup drawn ----

struct Rendered {
    const char* markup;
    Ops drawn;
    friend std::ostream& operator<<(std::ostream& os, const Rendered& r) {
        return os << '"' << r.markup << '"';
    }
};

class MarkupRenderTest : public SStringRenderTest, public ::testing::WithParamInterface<Rendered> {};

TEST_P(MarkupRenderTest, DrawsEachSegmentWhereThePenIs) {
    EXPECT_EQ(DrawnStyled(GetParam().markup), GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Render, MarkupRenderTest,
    ::testing::Values(
        // A superscript is round(0.3 x 12) = 4 higher at round(0.72 x 12) = 9 points; after it
        // closes, by "^", "_" or a space, the text is back on the baseline at the base size.
        Rendered{"a^b^c", {"'a' 100 50 System 12", "'b' 107 46 System 9", "'c' 112 50 System 12"}},
        Rendered{"a^b c", {"'a' 100 50 System 12", "'b' 107 46 System 9", "' c' 112 50 System 12"}},
        Rendered{"a_b c", {"'a' 100 50 System 12", "'b' 107 54 System 9", "' c' 112 50 System 12"}},
        Rendered{"a_b^c", {"'a' 100 50 System 12", "'b' 107 54 System 9", "'c' 112 50 System 12"}},
        Rendered{"#24#a^b", {"'a' 100 50 System 24", "'b' 114 43 System 17"}},
        // The line height sampled at "a" is the script's, 9.
        Rendered{"^a|b", {"'a' 100 46 System 9", "'b' 100 55 System 9"}},
        // "$" switches to Symbol until the next "$" or a closing space.
        Rendered{"$ab c", {"'ab' 100 50 Symbol 12", "' c' 114 50 System 12"}},
        Rendered{"$a$b", {"'a' 100 50 Symbol 12", "'b' 107 50 System 12"}},
        Rendered{"@Helvetica@a$b c",
                 {"'a' 100 50 Helvetica 12", "'b' 107 50 Symbol 12", "' c' 114 50 Helvetica 12"}},
        Rendered{"a!b!c", {"'a' 100 50 System 12", "'b' 107 50 System 12 bold", "'c' 114 50 System 12"}},
        Rendered{"a\\b", {"'a' 100 50 System 12", "'b' 107 50 System 12 italic"}},
        Rendered{"\\a^b", {"'a' 100 50 System 12 italic", "'b' 109 46 System 9 italic"}},
        Rendered{"\\a_b", {"'a' 100 50 System 12 italic", "'b' 105 54 System 9 italic"}},
        Rendered{"a~b", {"'a' 100 50 System 12", "'b' 108 50 System 12"}},
        Rendered{"&^b", {"'^b' 100 50 System 12"}}, Rendered{"a&", {"'a' 100 50 System 12"}},
        Rendered{"ab@cd", {"'ab' 100 50 System 12"}}, Rendered{"ab#1", {"'ab' 100 50 System 12"}},
        Rendered{"#x#a", {"'a' 100 50 System 0"}}, Rendered{"~~~", {}}));

TEST_F(SStringRenderTest, DrawsInTheStyleItWasMeasuredIn) {
    graph.SetFontInfo("Helvetica", 10);
    const std::string s = graph.SetSString("ab");
    graph.SetFontInfo("System", 20);
    graph.DrawSString(s, 100, 50);
    EXPECT_EQ(Styled(target.Calls().at(0)), "'ab' 100 50 Helvetica 10");
}

TEST_F(SStringRenderTest, BoldAndItalicComeFromTheTargetAndArePutBack) {
    const std::string s = graph.SetSString("a!b\\c");
    graph.SetFontInfo("Times", 14, true, false);
    target.Clear();
    graph.DrawSString(s, 100, 50);
    EXPECT_EQ(Styled(target.Calls().at(0)), "'a' 100 50 System 12 bold");
    EXPECT_EQ(Styled(target.Calls().at(1)), "'b' 107 50 System 12");
    EXPECT_EQ(Styled(target.Calls().at(2)), "'c' 114 50 System 12 italic");
    EXPECT_EQ(target.TextFont(), "Times");
    EXPECT_EQ(target.TextSize(), 14);
    EXPECT_TRUE(target.Bold());
    EXPECT_FALSE(target.Italic());
}

TEST_F(SStringRenderTest, DrawsInTheCurrentColourAndKeepsIt) {
    const tk::Color red = tk::RGB(255, 0, 0);
    graph.SetColor(red);
    graph.DrawSString(graph.SetSString("a$b"), 100, 50);
    for (const auto& call : target.Calls())
        EXPECT_EQ(call.color, red);
    EXPECT_EQ(target.ForeColor(), red);
}

// ---- The title ----

TEST_F(SStringRenderTest, SetTitleStoresTheMeasuredTitle) {
    graph.SetTitle("ab|abcd");
    EXPECT_EQ(graph.Title, graph.SetSString("ab|abcd"));
    EXPECT_EQ(graph.GetSSWidth(graph.Title), 28);
    EXPECT_EQ(graph.GetSSHeight(graph.Title), 24);
    graph.GX = nullptr;
    graph.SetTitle("");
    EXPECT_EQ(graph.Title, "");
}

} // namespace
