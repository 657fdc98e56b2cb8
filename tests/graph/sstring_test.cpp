// Styled strings through the recording context: measuring markup into SStrings, reading their
// headers, drawing them, and the font setters. Each character is 0.6 x size wide (7.2 at 12, 5.4 at
// 9), a line is `size` high.

#include "tests/graph/opened_graph.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using namespace testing_graph;

// An SString header given item by item, behind its ".".
std::string Header(const std::vector<int>& items) {
    std::string header = ".";
    for (int item : items)
        header += char(item);
    return header;
}

class SStringTest : public ::testing::Test, protected RecordingTarget {
protected:
    // The strings that drawing s at (100, 50) puts down, with their style.
    Ops Drawn(const std::string& s, std::int32_t anchor = 0) {
        target.Clear();
        graph.DrawSString(s, 100, 50, anchor);
        Ops drawn;
        for (const auto& call : target.Calls())
            drawn.push_back(Styled(call));
        return drawn;
    }
};

// ---- The SString layout ----

TEST_F(SStringTest, HeaderRecordsLinesHeightAndWidthsInBytesThenTheStyleItWasMeasuredIn) {
    const std::string three = graph.SetSString("ab|abcd|a");
    EXPECT_EQ(three, Header({3, 12, 0, 28, 0, 14, 0, 28, 0, 7}) + "@System@#12#ab|abcd|a");
    EXPECT_EQ(std::tuple(graph.GetSSWidth(three), graph.GetSSHeight(three)), std::tuple(28, 36));
    graph.SetFontInfo("Helvetica", 10, true, true);
    // 275 thin spaces and one letter at size 46 (27.6 wide): width 302 = 1 x 256 + 46, line height 46.
    const std::string s = graph.SetSString("#46#" + std::string(275, '~') + "a");
    EXPECT_EQ(s.substr(0, 8), Header({1, 46, 1, 46, 1, 46}) + "@");
    EXPECT_EQ(std::tuple(graph.GetSSWidth(s), graph.GetSSHeight(s)), std::tuple(302, 46));
    EXPECT_EQ(graph.GetSString(s), "@Helvetica@#10##46#" + std::string(275, '~') + "a");
    EXPECT_EQ(graph.GetSSWidth(graph.SetSString(std::string(65536 + 5, '~'))), 5) << "widths modulo 65536";
    const std::string lines256 = graph.SetSString(std::string(255, '|'));
    EXPECT_EQ(lines256[1], '\0') << "line count modulo 256";
    EXPECT_EQ(graph.GetSString(lines256), lines256) << "a header that counts no lines is not usable";
}

TEST_F(SStringTest, WithoutATargetOnlyEmptyMarkupCanBeMeasuredOrDrawn) {
    graph.GX = nullptr;
    EXPECT_EQ(graph.SetSString(""), "");
    EXPECT_NO_THROW(graph.DrawSString("", 1, 2, 5));
    EXPECT_EQ(GraphErrorOf([&] { graph.SetSString("a"); }), "DrawSString: Graphics target undefined.");
    EXPECT_EQ(GraphErrorOf([&] { graph.DrawSString("a", 1, 2); }), "DrawSString: Graphics target undefined.");
}

// ---- The markup ----

// Each case: markup, width, line height. The pen is truncated after each segment: five segments of
// 7.2 are 35, not 36. The line height is sampled at the first text after the start or a change of
// font or size: a script is no font change, but one open at the first text is what that text
// samples; the closing space and escaped characters sample nothing. Italic moves the pen on opening
// a script only. A string starting with "." is markup until it has been measured.
TEST_F(SStringTest, MeasuresWidthAndSamplesLineHeight) {
    const std::tuple<const char*, std::int32_t, std::int32_t> cases[] = {{"ab", 14, 12},
                                                                         {"aaaaa", 36, 12},
                                                                         {"a!a!a!a!a", 35, 12},
                                                                         {"a_b_c", 19, 12},
                                                                         {"a^b_c", 19, 12},
                                                                         {"a^bc", 17, 12},
                                                                         {"^a", 5, 9},
                                                                         {"#24#^a", 10, 17},
                                                                         {"^$ ", 7, 0},
                                                                         {"^a^$b", 12, 12},
                                                                         {"~~~", 3, 0},
                                                                         {"&&", 7, 0},
                                                                         {"ab&", 14, 12},
                                                                         {"&\u03B1", 7, 0},
                                                                         {"&\u03B1b", 14, 12},
                                                                         {"@Helvetica", 0, 0},
                                                                         {"a@Helvetica@b", 14, 12},
                                                                         {"ab#12", 14, 12},
                                                                         {"#24#ab", 28, 24},
                                                                         {"a#24#b", 21, 24},
                                                                         {"#24#a#12#b", 21, 24},
                                                                         {"#20.4#aaaaa", 60, 20},
                                                                         {"#19.6#aaaaa", 60, 20},
                                                                         {"\\a^b^c", 21, 12},
                                                                         {"\\a_b c", 24, 12},
                                                                         {".5 m", 28, 12}};
    for (const auto& [markup, width, lineHeight] : cases) {
        const std::string s = graph.SetSString(markup);
        EXPECT_EQ(std::tuple(graph.GetSSWidth(s), graph.GetSSHeight(s)), std::tuple(width, lineHeight))
            << markup;
    }
}

TEST_F(SStringTest, DrawsEachSegmentWhereThePenIsInItsStyle) {
    const std::pair<const char*, Ops> cases[] = {
        // A superscript is round(0.3 x 12) = 4 higher at round(0.72 x 12) = 9 points; after it
        // closes, by "^", "_" or a space, the text is back on the baseline at the base size.
        {"a^b^c", {"'a' 100 50 System 12", "'b' 107 46 System 9", "'c' 112 50 System 12"}},
        {"a^b c", {"'a' 100 50 System 12", "'b' 107 46 System 9", "' c' 112 50 System 12"}},
        {"a_b^c", {"'a' 100 50 System 12", "'b' 107 54 System 9", "'c' 112 50 System 12"}},
        {"#24#a^b", {"'a' 100 50 System 24", "'b' 114 43 System 17"}},
        // The line height sampled at "a" is the script's, 9.
        {"^a|b", {"'a' 100 46 System 9", "'b' 100 55 System 9"}},
        // "$" switches to Symbol until the next "$" or a closing space.
        {"$a$b", {"'a' 100 50 Symbol 12", "'b' 107 50 System 12"}},
        {"@Helvetica@a$b c", {"'a' 100 50 Helvetica 12", "'b' 107 50 Symbol 12", "' c' 114 50 Helvetica 12"}},
        {"a!b!c", {"'a' 100 50 System 12", "'b' 107 50 System 12 bold", "'c' 114 50 System 12"}},
        {"\\a^b", {"'a' 100 50 System 12 italic", "'b' 109 46 System 9 italic"}},
        {"\\a_b", {"'a' 100 50 System 12 italic", "'b' 105 54 System 9 italic"}},
        {"a~b", {"'a' 100 50 System 12", "'b' 108 50 System 12"}},
        {"&^b", {"'^b' 100 50 System 12"}},
        {"ab@cd", {"'ab' 100 50 System 12"}},
        {"ab#1", {"'ab' 100 50 System 12"}},
        {"#x#a", {"'a' 100 50 System 0"}},
    };
    for (const auto& [markup, drawn] : cases)
        EXPECT_EQ(Drawn(graph.SetSString(markup)), drawn) << markup;
}

TEST_F(SStringTest, FontAndSizeComeFromTheSStringBoldItalicAndColourFromTheTargetAllPutBack) {
    graph.SetFontInfo("Helvetica", 10);
    const std::string s = graph.SetSString("a!b\\c$d");
    graph.SetFontInfo("Times", 14, true, false);
    graph.SetColor(kRed);
    EXPECT_EQ(Drawn(s), (Ops{"'a' 100 50 Helvetica 10 bold", "'b' 106 50 Helvetica 10",
                             "'c' 112 50 Helvetica 10 italic", "'d' 118 50 Symbol 10 italic"}));
    for (const auto& call : target.Calls())
        EXPECT_EQ(call.color, kRed);
    EXPECT_EQ(StyleOf(target), Style("Times", 14, true, false));
    EXPECT_EQ(target.ForeColor(), kRed);
}

// ---- Anchors ----

// Lines 14, 28 and 7 wide, 12 high, each aligned by its own recorded width; "abc" is 21 wide, so
// centred it starts round(10.5) = 11 left of x.
TEST_F(SStringTest, EachAnchorPutsItsPointOfTheBlockOnXY) {
    const std::string three = graph.SetSString("ab|abcd|a");
    const std::string one = graph.SetSString("abc");
    // The anchor, then the left ends of the three lines and the first baseline; 12 apart.
    const std::tuple<std::int32_t, int, int, int, int> cases[] = {
        {0, 100, 100, 100, 50}, {1, 100, 100, 100, 26}, {2, 93, 86, 96, 26},    {3, 86, 72, 93, 26},
        {4, 100, 100, 100, 42}, {5, 93, 86, 96, 42},    {6, 86, 72, 93, 42},    {7, 100, 100, 100, 60},
        {8, 93, 86, 96, 60},    {9, 86, 72, 93, 60},    {10, 100, 100, 100, 50}};
    const auto line = [](const char* text, int x, int y) {
        return "'" + std::string(text) + "' " + std::to_string(x) + " " + std::to_string(y) + " System 12";
    };
    for (const auto& [anchor, ab, abcd, a, baseline] : cases)
        EXPECT_EQ(Drawn(three, anchor), (Ops{line("ab", ab, baseline), line("abcd", abcd, baseline + 12),
                                             line("a", a, baseline + 24)}))
            << anchor;
    for (const auto& [anchor, x, y] : {std::tuple(-1, 100, 50), {1, 100, 50}, {5, 89, 54}, {9, 79, 60}})
        EXPECT_EQ(Drawn(one, anchor), Ops{line("abc", x, y)}) << anchor;
}

// ---- Plain markup and damaged headers ----

// A string that is no SString, or whose header is damaged, is drawn as markup with the target's
// line height and no widths to align by; header items missing from the end read as zero.
TEST_F(SStringTest, PlainMarkupAndDamagedHeadersAreDrawnWithTheTargetLineHeightAndNoWidths) {
    const std::string two = graph.SetSString("ab|cd");
    std::string noLines = two;
    noLines[1] = '\0';
    const std::tuple<std::string, std::int32_t, Ops> cases[] = {
        {"ab|c", 0, {"'ab' 100 50 System 12", "'c' 100 62 System 12"}},
        {"ab", 3, {"'ab' 100 62 System 12"}},
        {"ab", 5, {"'ab' 100 60 System 12"}},
        {"", 5, {}},
        // Two lines need 9 header items.
        {two.substr(0, 8), 7, {"'" + two.substr(0, 8) + "' 100 60 System 12"}},
        // The header bytes are text up to the font name: 9 characters of 7.2.
        {noLines,
         0,
         {"'" + noLines.substr(0, 9) + "' 100 50 System 12", "'ab' 164 50 System 12",
          "'cd' 100 62 System 12"}},
        // A complete header with nothing after it draws nothing.
        {graph.SetSString("ab").substr(0, 7), 5, {}},
        // A line beyond the recorded ones counts as 0 wide.
        {graph.SetSString("abc") + "|de", 2, {"'abc' 89 50 System 12", "'de' 100 62 System 12"}},
    };
    for (const auto& [s, anchor, drawn] : cases)
        EXPECT_EQ(Drawn(s, anchor), drawn) << ::testing::PrintToString(s);
}

// Each case: the string, then the width, line height and text read from it.
TEST_F(SStringTest, HeaderItemsMissingFromTheEndCountAsZero) {
    const std::tuple<std::string, std::int32_t, std::int32_t, std::string> cases[] = {
        {"ab", 0, 0, "ab"},
        {Header({2}), 0, 0, Header({2})},
        {Header({2, 12}), 0, 24, Header({2, 12})},
        {Header({2, 12, 1}), 256, 24, Header({2, 12, 1})},
        // Complete but with nothing after it: returned whole.
        {Header({1, 12, 0, 7, 0, 7}), 7, 12, Header({1, 12, 0, 7, 0, 7})},
        {Header({1, 12, 0, 7, 0, 7}) + "x", 7, 12, "x"},
        {Header({0, 12, 0, 7, 0, 7}) + "x", 7, 0, Header({0, 12, 0, 7, 0, 7}) + "x"},
        // Plain markup starting with "." is read as a header: 53 lines do not fit.
        {".5 m", 'm' * 256, '5' * ' ', ".5 m"}};
    for (const auto& [s, width, height, text] : cases)
        EXPECT_EQ(std::tuple(graph.GetSSWidth(s), graph.GetSSHeight(s), graph.GetSString(s)),
                  std::tuple(width, height, text))
            << ::testing::PrintToString(s);
}

TEST_F(SStringTest, SetSSLineHReplacesOnlyTheHeightModulo256) {
    const std::string s = graph.SetSString("ab|cd");
    const std::string changed = graph.SetSSLineH(s, 300);
    EXPECT_EQ(changed.substr(0, 2) + changed.substr(3), s.substr(0, 2) + s.substr(3));
    EXPECT_EQ(graph.GetSSHeight(changed), 88);
    EXPECT_EQ(graph.GetSSHeight(graph.SetSSLineH(s, -1)), 2 * 255);
    EXPECT_EQ(graph.SetSSLineH("ab", 20), Header({1, 20, 0, 14, 0, 14}) + "@System@#12#ab")
        << "measured first";
    EXPECT_EQ(graph.SetSSLineH(".", 7), std::string(".\0\x07", 3)) << "a cut header is filled with zeros";
    EXPECT_EQ(graph.SetSSLineH(".x", 7), ".x\x07");
    EXPECT_EQ(graph.SetSSLineH("", 7), "");
}

// ---- Font setters ----

TEST_F(SStringTest, FontSettersKeepWhatIsNotGiven) {
    graph.SetFontInfo("Times", 10, false, true);
    graph.SetFontInfo("", 0, true, false);
    EXPECT_EQ(StyleOf(target), Style("Times", 10, true, false));
    graph.SetFontInfo("Helvetica", 0);
    EXPECT_EQ(StyleOf(target), Style("Helvetica", 10, true, false)) << "bold and italic are kept";
    graph.SetFontInfo("", 14);
    EXPECT_EQ(StyleOf(target), Style("Helvetica", 14, true, false));
    graph.SetTickFontInfo("Symbol", 11);
    graph.SetTickFontInfo("", 0);
    EXPECT_EQ(std::tuple(graph.TickFont, graph.TickFSize), std::tuple("Symbol", 11));
    EXPECT_EQ(StyleOf(target), Style("Helvetica", 14, true, false)) << "the tick font is not the target's";
    graph.GX = nullptr;
    EXPECT_THROW(graph.SetFontInfo("System", 12, false, false), tk::NilObjectException);
    EXPECT_THROW(graph.SetFontInfo("System", 12), tk::NilObjectException);
}

} // namespace
