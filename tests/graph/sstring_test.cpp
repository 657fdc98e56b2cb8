// Styled strings in System 12: a character is 7.2 wide, 5.4 at 9.

#include "tests/graph/opened_graph.h"

class SStringTest : public OpenedGraph {
protected:
    SStringTest() { Open(300, 200); }
    // An SString header given item by item, behind its ".".
    static std::string Header(std::initializer_list<int> items) {
        std::string header = ".";
        for (int item : items)
            header += char(item);
        return header;
    }
    std::string Measured(const std::string& markup) {
        const std::string s = g.SetSString(markup);
        return std::to_string(g.GetSSWidth(s)) + " x " + std::to_string(g.GetSSHeight(s));
    }
    // The strings that drawing s at (100, 50) puts down.
    std::string Put(const std::string& s, int anchor = 0) {
        return Texts([&] { g.DrawSString(s, 100, 50, anchor); });
    }
};

// The pen is truncated after each segment: five of 7.2 make 35. The line height is sampled at the
// first text after the start or a change of font or size, in a script if one is open; the closing
// space and escaped characters sample nothing. Italic moves the pen on opening a script only. 275
// thin spaces and a letter at 46 (27.6 wide) are 302 = 1 x 256 + 46 wide.
TEST_F(SStringTest, HeaderRecordsTheLinesModuloTheirBytesAsMeasuredInTheStyleItNamesAndNeedsATarget) {
    const std::string three = g.SetSString("ab|abcd|a");
    EXPECT_EQ(three, Header({3, 12, 0, 28, 0, 14, 0, 28, 0, 7}) + "@System@#12#ab|abcd|a");
    EXPECT_EQ(std::tuple(g.GetSSWidth(three), g.GetSSHeight(three), g.GetSString(three)),
              std::tuple(28, 36, "@System@#12#ab|abcd|a"));
    for (const auto& [markup, measured] : {
             std::pair<std::string, std::string>("a!a!a!a!a", "35 x 12"),
             {"^a", "5 x 9"},
             {"&\u03B1", "7 x 0"},
             {"a#24#b#12#c", "28 x 24"},
             {".5 m", "28 x 12"}, // markup until it has been measured
             {"#46#" + std::string(275, '~') + "a", "302 x 46"},
             {std::string(65536 + 5, '~'), "5 x 0"}, // widths modulo 65536
         })
        EXPECT_EQ(Measured(markup), measured) << markup.substr(0, 12);
    const std::string lines256 = g.SetSString(std::string(255, '|'));
    EXPECT_EQ(std::tuple(lines256[1], g.GetSString(lines256)), std::tuple('\0', lines256));
    g.GX = nullptr;
    EXPECT_THROW(g.SetFontInfo("System", 12), tk::NilObjectException);
    EXPECT_EQ(g.SetSString("") + g.SetSSLineH("", 7) + Err([&] { g.DrawSString("", 1, 2, 5); }), "");
    EXPECT_EQ(Err([&] { g.SetSString("a"); }) + " " + Err([&] { g.DrawSString("a", 1, 2); }),
              "DrawSString: Graphics target undefined. DrawSString: Graphics target undefined.");
}

// A script is round(0.3 x 12) = 4 off the baseline at round(0.72 x 12) = 9 points. Lines 14, 28 and
// 7 wide are each aligned by their own width; "abc", 21 wide, centred starts round(10.5) = 11 left.
TEST_F(SStringTest, DrawsEachSegmentWhereThePenIsInItsStyleAndEachAnchorPutsItsPointOfTheBlockOnXY) {
    for (const auto& [markup, drawn] : {
             std::pair("a^b^c", "'a' 100 50; 'b' 107 46 System 9; 'c' 112 50"),
             {"^a|b", "'a' 100 46 System 9; 'b' 100 55 System 9"}, // the line height sampled at "a" is 9
             {"@Helvetica@a$b$c$d e^f g$h",
              "'a' 100 50 Helvetica 12; 'b' 107 50 Symbol 12; 'c' 114 50 Helvetica 12; 'd' 121 50 Symbol 12; "
              "' e' 128 50 Helvetica 12; 'f' 142 46 Helvetica 9; ' g' 147 50 Helvetica 12; 'h' 161 50 Symbol "
              "12"},
             {"a!b!c", "'a' 100 50; 'b' 107 50 System 12 bold; 'c' 114 50"},
             {"\\a_b", "'a' 100 50 System 12 italic; 'b' 105 54 System 9 italic"},
             {"&^b", "'^b' 100 50"},
             {"$Y$\u0303(p)", "'Y\u0303' 100 50 Symbol 12; '(p)' 114 50"}, // the mark keeps its letter
             {"$\u0303a", "'\u0303a' 100 50 Symbol 12"},                   // and none leaves it alone
         })
        EXPECT_EQ(Put(g.SetSString(markup)), drawn) << markup;
    EXPECT_EQ(Put(g.SetSString("ab|abcd|a"), 3), "'ab' 86 26; 'abcd' 72 38; 'a' 93 50");
    EXPECT_EQ(Put(g.SetSString("abc"), 5), "'abc' 89 54");
    // Font and size come from the SString, bold, italic and colour from the target.
    g.SetFontInfo("Helvetica", 10);
    const std::string s = g.SetSString("a!b\\c$d");
    g.SetFontInfo("Times", 14, true, false);
    g.SetColor(kRed);
    EXPECT_EQ(Put(s),
              "'a' 100 50 Helvetica 10 bold; 'b' 106 50 Helvetica 10; 'c' 112 50 Helvetica 10 italic; "
              "'d' 118 50 Symbol 10 italic");
    for (const auto& call : F().Calls())
        EXPECT_EQ(call.color, kRed);
    EXPECT_EQ(std::tuple(StyleOf(*g.GX), g.GX->ForeColor()), std::tuple("Times 14 bold", kRed));
}
