// Measuring markup into SStrings, reading their headers, and the font setters, through the
// recording context: each character is 0.6 x size wide (7.2 at 12, 5.4 at 9), a line is `size` high.

#include "tests/graph/opened_graph.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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

class SStringMarkupTest : public ::testing::Test, protected RecordingTarget {};

// ---- The SString layout ----

TEST_F(SStringMarkupTest, HeaderRecordsLinesHeightAndWidthsThenTheStyleItWasMeasuredIn) {
    EXPECT_EQ(graph.SetSString("ab"), Header({1, 12, 0, 14, 0, 14}) + "@System@#12#ab");
    const std::string three = graph.SetSString("ab|abcd|a");
    EXPECT_EQ(three, Header({3, 12, 0, 28, 0, 14, 0, 28, 0, 7}) + "@System@#12#ab|abcd|a");
    EXPECT_EQ(graph.GetSSWidth(three), 28);
    EXPECT_EQ(graph.GetSSHeight(three), 36);
    EXPECT_EQ(graph.SetSString("^a|b").substr(0, 9), Header({2, 9, 0, 5, 0, 5, 0, 5}))
        << "lines keep their script";
    graph.SetFontInfo("Helvetica", 10, true, true);
    EXPECT_EQ(graph.SetSString("ab"), Header({1, 10, 0, 12, 0, 12}) + "@Helvetica@#10#ab");
}

TEST_F(SStringMarkupTest, HeaderItemsAreBytesThatMayBeZeroOrTheMarker) {
    // 275 thin spaces and one letter at size 46 (27.6 wide): width 302 = 1 x 256 + 46, line height 46.
    const std::string s = graph.SetSString("#46#" + std::string(275, '~') + "a");
    EXPECT_EQ(s.substr(0, 8), Header({1, 46, 1, 46, 1, 46}) + "@");
    EXPECT_EQ(graph.GetSSWidth(s), 302);
    EXPECT_EQ(graph.GetSSHeight(s), 46);
    EXPECT_EQ(graph.GetSString(s), "@System@#12##46#" + std::string(275, '~') + "a");
    EXPECT_EQ(graph.GetSSWidth(graph.SetSString(std::string(65536 + 5, '~'))), 5) << "widths modulo 65536";
    const std::string lines256 = graph.SetSString(std::string(255, '|'));
    EXPECT_EQ(lines256[1], '\0') << "line count modulo 256";
    EXPECT_EQ(graph.GetSSHeight(lines256), 0);
    EXPECT_EQ(graph.GetSString(lines256), lines256) << "a header that counts no lines is not usable";
}

TEST_F(SStringMarkupTest, WithoutATargetOnlyEmptyMarkupCanBeMeasuredOrDrawn) {
    graph.GX = nullptr;
    EXPECT_EQ(graph.SetSString(""), "");
    EXPECT_NO_THROW(graph.DrawSString("", 1, 2, 5));
    EXPECT_EQ(GraphErrorOf([&] { graph.SetSString("a"); }), "DrawSString: Graphics target undefined.");
    EXPECT_EQ(GraphErrorOf([&] { graph.DrawSString("a", 1, 2); }), "DrawSString: Graphics target undefined.");
}

// ---- Measuring the markup ----

// Each case: markup, width, line height.
TEST_F(SStringMarkupTest, MeasuresWidthAndSamplesLineHeightAtTheFirstTextAfterAFontChange) {
    using Cases = std::vector<std::tuple<const char*, std::int32_t, std::int32_t>>;
    const auto expect = [&](const Cases& cases) {
        for (const auto& [markup, width, lineHeight] : cases) {
            const std::string s = graph.SetSString(markup);
            EXPECT_EQ(graph.GetSSWidth(s), width) << markup;
            EXPECT_EQ(graph.GetSSHeight(s), lineHeight) << markup;
        }
    };
    // The pen is truncated after each segment: five segments of 7.2, not 36. Scripts: a 7.2, b 5.4
    // at size 9, c 7.2 again after any close; a script is no font change, but one open at the first
    // text is what that text samples. The closing space is text at the base size and samples nothing.
    const Cases pen = {{"ab", 14, 12},    {"aaaaa", 36, 12},  {"a!a!a!a!a", 35, 12}, {"a^b^c", 19, 12},
                       {"a_b_c", 19, 12}, {"a^b_c", 19, 12},  {"a_b^c", 19, 12},     {"a^bc", 17, 12},
                       {"^a", 5, 9},      {"#24#^a", 10, 17}, {"a^b c", 26, 12},     {"$ab c", 28, 12},
                       {"^$ ", 7, 0},     {"^a^$b", 12, 12}};
    expect(pen);
    // "~" adds exactly one pixel. "&" makes the next character, whatever its UTF-8 length, text that
    // samples nothing.
    const Cases escaped = {{"a~b", 15, 12}, {"~~~", 3, 0},     {"&^b", 14, 12},     {"&&", 7, 0},
                           {"ab&", 14, 12}, {"&\u03B1", 7, 0}, {"&\u03B1b", 14, 12}};
    expect(escaped);
    // Font names and sizes are not text; an unclosed one consumes the rest.
    const Cases fonts = {{"a@Helvetica@b", 14, 12}, {"@Helvetica", 0, 0}, {"ab@cd", 14, 12},
                         {"ab#12", 14, 12},         {"#24#ab", 28, 24},   {"a#24#b", 21, 24},
                         {"#24#a#12#b", 21, 24},    {"#24#a^b", 24, 24},  {"#20.4#aaaaa", 60, 20},
                         {"#19.6#aaaaa", 60, 20},   {"#x#a", 7, 12}};
    expect(fonts);
    // Italic moves the pen on opening a script only: right for "^", left for "_". A string starting
    // with "." is markup until it has been measured.
    const Cases italic = {
        {"\\a^b", 14, 12}, {"\\a_b", 10, 12}, {"\\a^b^c", 21, 12}, {"\\a_b c", 24, 12}, {".5 m", 28, 12}};
    expect(italic);
}

TEST_F(SStringMarkupTest, PutsTheTargetStyleBackAfterChangingAllOfIt) {
    graph.SetFontInfo("Times", 10, true, false);
    for (const char* markup : {"!\\@Helvetica@#30#$^a", "$\\!_a", "!\\@Helv", "!\\#30"}) {
        graph.SetSString(markup);
        EXPECT_EQ(StyleOf(target), Style("Times", 10, true, false)) << markup;
    }
}

// ---- Reading headers, whole or cut anywhere ----

// Each case: the string, then the width, line height and text read from it.
TEST_F(SStringMarkupTest, HeaderItemsMissingFromTheEndCountAsZero) {
    const std::tuple<std::string, std::int32_t, std::int32_t, std::string> cases[] = {
        {"", 0, 0, ""},
        {"ab", 0, 0, "ab"},
        {".", 0, 0, "."},
        {Header({2}), 0, 0, Header({2})},
        {Header({2, 12}), 0, 24, Header({2, 12})},
        {Header({2, 12, 1}), 256, 24, Header({2, 12, 1})},
        {Header({2, 12, 1, 5}), 261, 24, Header({2, 12, 1, 5})},
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

TEST_F(SStringMarkupTest, GetSStringOfEveryCutOfAnSStringIsTheCutItself) {
    const std::string s = graph.SetSString("ab|abcd|a");
    const std::size_t headerLength = 11;
    for (std::size_t length = 0; length <= headerLength; ++length)
        EXPECT_EQ(graph.GetSString(s.substr(0, length)), s.substr(0, length)) << length;
    EXPECT_EQ(graph.GetSString(s.substr(0, headerLength + 1)), "@");
    EXPECT_EQ(graph.GetSString(s), "@System@#12#ab|abcd|a");
}

TEST_F(SStringMarkupTest, SetSSLineHReplacesOnlyTheHeightModulo256) {
    const std::string s = graph.SetSString("ab|cd");
    const std::string changed = graph.SetSSLineH(s, 300);
    EXPECT_EQ(changed[2], char(44));
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

TEST_F(SStringMarkupTest, FontSettersKeepWhatIsNotGiven) {
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
