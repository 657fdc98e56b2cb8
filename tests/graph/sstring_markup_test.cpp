// Measuring markup into SStrings, reading their headers, and the font setters, through the
// recording context: each character is 0.6 x size wide (7.2 at 12, 5.4 at 9), a line is `size` high.

#include "graph/graph.h"
#include "tests/support/recording_graphics.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// An SString header given item by item, behind its ".".
std::string Header(const std::vector<int>& items) {
    std::string header = ".";
    for (int item : items)
        header += char(item);
    return header;
}

using Style = std::tuple<std::string, int, bool, bool>;

Style StyleOf(const tk::Graphics& g) {
    return {g.TextFont(), g.TextSize(), g.Bold(), g.Italic()};
}

class SStringMarkupTest : public ::testing::Test {
protected:
    SStringMarkupTest() {
        graph.GX = &target;
        graph.SetFontInfo("System", 12, false, false);
    }

    std::int32_t Width(const std::string& markup) { return graph.GetSSWidth(graph.SetSString(markup)); }
    std::int32_t LineHeight(const std::string& markup) { return graph.GetSSHeight(graph.SetSString(markup)); }

    Graph graph;
    fake::RecordingGraphics target;
};

// ---- The SString layout ----

TEST_F(SStringMarkupTest, OneLineIsHeaderThenFontAndSizeThenMarkup) {
    EXPECT_EQ(graph.SetSString("ab"), Header({1, 12, 0, 14, 0, 14}) + "@System@#12#ab");
}

TEST_F(SStringMarkupTest, ThreeLinesRecordEachWidthAndTheWidest) {
    const std::string s = graph.SetSString("ab|abcd|a");
    EXPECT_EQ(s, Header({3, 12, 0, 28, 0, 14, 0, 28, 0, 7}) + "@System@#12#ab|abcd|a");
    EXPECT_EQ(graph.GetSSWidth(s), 28);
    EXPECT_EQ(graph.GetSSHeight(s), 36);
}

TEST_F(SStringMarkupTest, EmptyMarkupGivesEmptyStringEvenWithoutTarget) {
    EXPECT_EQ(graph.SetSString(""), "");
    graph.GX = nullptr;
    EXPECT_EQ(graph.SetSString(""), "");
}

TEST_F(SStringMarkupTest, MarkupWithoutTargetIsAGraphError) {
    graph.GX = nullptr;
    try {
        graph.SetSString("a");
        FAIL() << "no GraphError";
    } catch (const GraphError& e) {
        EXPECT_EQ(e.msg, "DrawSString: Graphics target undefined.");
    }
}

TEST_F(SStringMarkupTest, HeaderItemsHoldZeroAndTheMarkerValue) {
    // 275 thin spaces and one letter at size 46 (27.6 wide): width 302 = 1 x 256 + 46, line height 46.
    const std::string s = graph.SetSString("#46#" + std::string(275, '~') + "a");
    EXPECT_EQ(s.substr(0, 8), Header({1, 46, 1, 46, 1, 46}) + "@");
    EXPECT_EQ(graph.GetSSWidth(s), 302);
    EXPECT_EQ(graph.GetSSHeight(s), 46);
    EXPECT_EQ(graph.GetSString(s), "@System@#12##46#" + std::string(275, '~') + "a");
}

TEST_F(SStringMarkupTest, WidthsAreStoredModulo65536) {
    EXPECT_EQ(Width(std::string(65536 + 5, '~')), 5);
}

TEST_F(SStringMarkupTest, LineCountIsStoredModulo256) {
    const std::string s = graph.SetSString(std::string(255, '|'));
    EXPECT_EQ(s[1], '\0');
    EXPECT_EQ(graph.GetSSHeight(s), 0);
    EXPECT_EQ(graph.GetSString(s), s) << "a header that counts no lines is not usable";
}

// ---- Measuring the markup ----

struct Measured {
    const char* markup;
    std::int32_t width;
    friend std::ostream& operator<<(std::ostream& os, const Measured& m) {
        return os << '"' << m.markup << '"';
    }
};

class MarkupWidthTest : public SStringMarkupTest, public ::testing::WithParamInterface<Measured> {};

TEST_P(MarkupWidthTest, MeasuresTheFirstLine) {
    EXPECT_EQ(Width(GetParam().markup), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, MarkupWidthTest,
    ::testing::Values(Measured{"ab", 14},
                      // The pen is truncated after each segment: five segments of 7.2, not 36.
                      Measured{"aaaaa", 36}, Measured{"a!a!a!a!a", 35},
                      // Scripts: a 7.2, b 5.4 at size 9, c 7.2 again after any close.
                      Measured{"a^b^c", 19}, Measured{"a_b_c", 19}, Measured{"a^b_c", 19},
                      Measured{"a_b^c", 19}, Measured{"a^bc", 17},
                      // The closing space is text at the base size: 7 + 5.4 + 14.4.
                      Measured{"a^b c", 26}, Measured{"$ab c", 28},
                      // "~" adds exactly one pixel to the two letters.
                      Measured{"a~b", 15}, Measured{"~~~", 3},
                      // "&" makes the next character text at the base size.
                      Measured{"&^b", 14}, Measured{"&&", 7}, Measured{"ab&", 14}, Measured{"&\u03B1b", 14},
                      // Font names and sizes are not text; an unclosed one consumes the rest.
                      Measured{"a@Helvetica@b", 14}, Measured{"@Helvetica", 0}, Measured{"ab@cd", 14},
                      Measured{"ab#12", 14}, Measured{"#24#ab", 28}, Measured{"#24#a^b", 24},
                      Measured{"#20.4#aaaaa", 60}, Measured{"#19.6#aaaaa", 60}, Measured{"#x#a", 7},
                      // Italic moves the pen on opening a script only: right for "^", left for "_".
                      Measured{"\\a^b", 14}, Measured{"\\a_b", 10}, Measured{"\\a^b^c", 21},
                      Measured{"\\a_b c", 24}));

TEST_F(SStringMarkupTest, LinesKeepTheScriptTheyBrokeIn) {
    EXPECT_EQ(graph.SetSString("^a|b").substr(0, 9), Header({2, 9, 0, 5, 0, 5, 0, 5}));
}

struct Sampled {
    const char* markup;
    std::int32_t lineHeight;
    friend std::ostream& operator<<(std::ostream& os, const Sampled& m) {
        return os << '"' << m.markup << '"';
    }
};

class MarkupLineHeightTest : public SStringMarkupTest, public ::testing::WithParamInterface<Sampled> {};

TEST_P(MarkupLineHeightTest, SamplesTheFontAtTheFirstTextAfterAChange) {
    EXPECT_EQ(LineHeight(GetParam().markup), GetParam().lineHeight);
}

INSTANTIATE_TEST_SUITE_P(Markup, MarkupLineHeightTest,
                         ::testing::Values(Sampled{"ab", 12}, Sampled{"a#24#b", 24},
                                           Sampled{"#24#a#12#b", 24},
                                           // A script changes no sample, but one open at the
                                           // first text is what that text samples.
                                           Sampled{"a^b", 12}, Sampled{"^a", 9}, Sampled{"#24#^a", 17},
                                           Sampled{"a$b", 12}, Sampled{"a!b", 12},
                                           // Escaped characters, whatever their UTF-8 length,
                                           // and closing spaces sample nothing.
                                           Sampled{"&a", 0}, Sampled{"&\u03B1", 0}, Sampled{"&\u03B1b", 12},
                                           Sampled{"^$ ", 0}, Sampled{"~", 0}, Sampled{"@Helvetica", 0}));

TEST_F(SStringMarkupTest, PutsTheTargetStyleBackAfterChangingAllOfIt) {
    graph.SetFontInfo("Times", 10, true, false);
    for (const char* markup : {"!\\@Helvetica@#30#$^a", "$\\!_a", "!\\@Helv", "!\\#30"}) {
        graph.SetSString(markup);
        EXPECT_EQ(StyleOf(target), Style("Times", 10, true, false)) << markup;
    }
}

TEST_F(SStringMarkupTest, MeasuresInTheTargetStyleAndRecordsIt) {
    graph.SetFontInfo("Helvetica", 10, true, true);
    EXPECT_EQ(graph.SetSString("ab"), Header({1, 10, 0, 12, 0, 12}) + "@Helvetica@#10#ab");
}

// ---- Reading headers, whole or cut anywhere ----

TEST_F(SStringMarkupTest, PlainMarkupStartingWithDotIsMeasuredButReadAsAnSString) {
    EXPECT_EQ(Width(".5 m"), 28);
    EXPECT_EQ(graph.GetSSWidth(".5 m"), 'm' * 256);
    EXPECT_EQ(graph.GetSSHeight(".5 m"), '5' * ' ');
    EXPECT_EQ(graph.GetSString(".5 m"), ".5 m");
}

struct HeaderRead {
    std::string s;
    std::int32_t width;
    std::int32_t height;
    std::string text; // what GetSString gives
};

class SStringHeaderReadTest : public SStringMarkupTest, public ::testing::WithParamInterface<HeaderRead> {};

TEST_P(SStringHeaderReadTest, MissingItemsCountAsZero) {
    const HeaderRead& read = GetParam();
    EXPECT_EQ(graph.GetSSWidth(read.s), read.width);
    EXPECT_EQ(graph.GetSSHeight(read.s), read.height);
    EXPECT_EQ(graph.GetSString(read.s), read.text);
}

INSTANTIATE_TEST_SUITE_P(
    Markup, SStringHeaderReadTest,
    ::testing::Values(HeaderRead{"", 0, 0, ""}, HeaderRead{"ab", 0, 0, "ab"}, HeaderRead{".", 0, 0, "."},
                      HeaderRead{Header({2}), 0, 0, Header({2})},
                      HeaderRead{Header({2, 12}), 0, 24, Header({2, 12})},
                      HeaderRead{Header({2, 12, 1}), 256, 24, Header({2, 12, 1})},
                      HeaderRead{Header({2, 12, 1, 5}), 261, 24, Header({2, 12, 1, 5})},
                      // Complete but with nothing after it: returned whole.
                      HeaderRead{Header({1, 12, 0, 7, 0, 7}), 7, 12, Header({1, 12, 0, 7, 0, 7})},
                      HeaderRead{Header({1, 12, 0, 7, 0, 7}) + "x", 7, 12, "x"},
                      HeaderRead{Header({0, 12, 0, 7, 0, 7}) + "x", 7, 0,
                                 Header({0, 12, 0, 7, 0, 7}) + "x"}));

TEST_F(SStringMarkupTest, GetSStringOfEveryCutOfAnSStringIsTheCutItself) {
    const std::string s = graph.SetSString("ab|abcd|a");
    const std::size_t headerLength = 11;
    for (std::size_t length = 0; length <= headerLength; ++length)
        EXPECT_EQ(graph.GetSString(s.substr(0, length)), s.substr(0, length)) << length;
    EXPECT_EQ(graph.GetSString(s.substr(0, headerLength + 1)), "@");
    EXPECT_EQ(graph.GetSString(s), "@System@#12#ab|abcd|a");
}

// ---- Replacing the line height ----

TEST_F(SStringMarkupTest, SetSSLineHStoresTheHeightModulo256) {
    const std::string s = graph.SetSString("ab|cd");
    const std::string changed = graph.SetSSLineH(s, 300);
    EXPECT_EQ(changed[2], char(44));
    EXPECT_EQ(changed.substr(0, 2) + changed.substr(3), s.substr(0, 2) + s.substr(3));
    EXPECT_EQ(graph.GetSSHeight(changed), 88);
    EXPECT_EQ(graph.GetSSHeight(graph.SetSSLineH(s, -1)), 2 * 255);
}

TEST_F(SStringMarkupTest, SetSSLineHMeasuresPlainMarkupFirst) {
    EXPECT_EQ(graph.SetSSLineH("ab", 20), Header({1, 20, 0, 14, 0, 14}) + "@System@#12#ab");
}

TEST_F(SStringMarkupTest, SetSSLineHFillsACutHeaderWithZeros) {
    EXPECT_EQ(graph.SetSSLineH(".", 7), std::string(".\0\x07", 3));
    EXPECT_EQ(graph.SetSSLineH(".x", 7), ".x\x07");
    EXPECT_EQ(graph.SetSSLineH("", 7), "");
}

// ---- Font setters ----

struct FontChange {
    std::string font;
    std::int32_t size;
    bool bold;
    bool italic;
    Style after;
};

class SetFontInfoTest : public SStringMarkupTest, public ::testing::WithParamInterface<FontChange> {};

TEST_P(SetFontInfoTest, EmptyFontAndSizeZeroKeepWhatIsSet) {
    graph.SetFontInfo("Times", 10, false, true);
    const FontChange& change = GetParam();
    graph.SetFontInfo(change.font, change.size, change.bold, change.italic);
    EXPECT_EQ(StyleOf(target), change.after);
}

INSTANTIATE_TEST_SUITE_P(Markup, SetFontInfoTest,
                         ::testing::Values(FontChange{"", 0, true, false, {"Times", 10, true, false}},
                                           FontChange{
                                               "Helvetica", 0, false, true, {"Helvetica", 10, false, true}},
                                           FontChange{"", 14, false, false, {"Times", 14, false, false}},
                                           FontChange{"System", 9, true, true, {"System", 9, true, true}}));

TEST_F(SStringMarkupTest, SetFontInfoWithoutStyleKeepsBoldAndItalic) {
    graph.SetFontInfo("Times", 10, true, true);
    graph.SetFontInfo("Helvetica", 0);
    EXPECT_EQ(StyleOf(target), Style("Helvetica", 10, true, true));
    graph.SetFontInfo("", 20);
    EXPECT_EQ(StyleOf(target), Style("Helvetica", 20, true, true));
}

TEST_F(SStringMarkupTest, SetFontInfoWithoutTargetIsANilObjectFailure) {
    graph.GX = nullptr;
    EXPECT_THROW(graph.SetFontInfo("System", 12, false, false), tk::NilObjectException);
    EXPECT_THROW(graph.SetFontInfo("System", 12), tk::NilObjectException);
}

TEST_F(SStringMarkupTest, SetTickFontInfoKeepsWhatIsNotGiven) {
    graph.SetTickFontInfo("System", 9);
    graph.SetTickFontInfo("", 0);
    EXPECT_EQ(graph.TickFont, "System");
    EXPECT_EQ(graph.TickFSize, 9);
    graph.SetTickFontInfo("Helvetica", 11);
    EXPECT_EQ(graph.TickFont, "Helvetica");
    EXPECT_EQ(graph.TickFSize, 11);
    EXPECT_EQ(StyleOf(target), Style("System", 12, false, false)) << "the tick font is not the target's";
}

} // namespace
