#include "toolkit/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, GivesFixedPointText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(tk::Format(c.value, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatTest,
    testing::Values(FormatCase{0.6, "0.000000", "0.600000"}, FormatCase{-1, "0.000000", "-1.000000"},
                    FormatCase{0, "0.000000", "0.000000"}, FormatCase{1.0 / 3, "0.000000", "0.333333"},
                    FormatCase{0.0000006, "0.000000", "0.000001"}, FormatCase{2, "-#0", "2"},
                    FormatCase{-10, "-#0", "-10"}, FormatCase{0.5, "-#0.0", "0.5"},
                    FormatCase{0.02, "-#0.00", "0.02"}, FormatCase{0.005, "-#0.000", "0.005"},
                    FormatCase{0.0005, "-#0.0000", "0.0005"}, FormatCase{-0.3, "-#0.0", "-0.3"},
                    FormatCase{1e20, "-#0", "100000000000000000000"}));

TEST(Format, NegativeValueThatRoundsToZeroHasNoSign) {
    EXPECT_EQ(tk::Format(-0.0000001, "0.000000"), "0.000000");
    EXPECT_EQ(tk::Format(-0.0, "-#0"), "0");
    EXPECT_EQ(tk::Format(-0.04, "-#0.0"), "0.0");
}

TEST(Format, EveryDoubleGivesDefinedText) {
    EXPECT_EQ(tk::Format(std::nan(""), "0.000000"), "NaN");
    EXPECT_EQ(tk::Format(std::numeric_limits<double>::infinity(), "-#0"), "INF");
    EXPECT_EQ(tk::Format(-std::numeric_limits<double>::infinity(), "-#0.0"), "-INF");
    const std::string largest = tk::Format(std::numeric_limits<double>::max(), "0.000000");
    EXPECT_EQ(largest.size(), 309u + 7u);
    EXPECT_EQ(tk::Format(-std::numeric_limits<double>::max(), "-#0").size(), 310u);
    EXPECT_EQ(tk::Format(std::numeric_limits<double>::denorm_min(), "0.000000"), "0.000000");
}

struct ValCase {
    std::string text;
    double expected;
};

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
    const double v = tk::Val(GetParam().text);
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_DOUBLE_EQ(v, GetParam().expected) << "text: " << GetParam().text.substr(0, 40);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValTest,
    testing::Values(ValCase{"", 0}, ValCase{"   ", 0}, ValCase{"abc", 0}, ValCase{"-", 0}, ValCase{".", 0},
                    ValCase{"-.", 0}, ValCase{"+", 0}, ValCase{"e5", 0}, ValCase{"inf", 0}, ValCase{"nan", 0},
                    ValCase{"NaN", 0}, ValCase{"INF", 0}, ValCase{"0x10", 0},
                    ValCase{"1e999", 1.7976931348623157e308}, ValCase{"-1e999", -1.7976931348623157e308},
                    ValCase{"1e-999", 0}, ValCase{"1", 1}, ValCase{"  3.5abc", 3.5}, ValCase{"\t-2", -2},
                    ValCase{"+4", 4}, ValCase{".5", 0.5}, ValCase{"5.", 5}, ValCase{"1e", 1},
                    ValCase{"1e+", 1}, ValCase{"2.5e2x", 250}, ValCase{"1,5", 1}, ValCase{"0.600000", 0.6},
                    ValCase{"-1.000000", -1}, ValCase{"\xCF\x80", 0}, ValCase{"3\xC2\xB0", 3},
                    ValCase{"٣", 0}, ValCase{"1e99999999999999999999", 1.7976931348623157e308}));

TEST(Val, MegabyteOfDigitsIsReadWithoutHangingOrOverflow) {
    const std::string digits(1 << 20, '7');
    EXPECT_EQ(tk::Val(digits), std::numeric_limits<double>::max());
    EXPECT_DOUBLE_EQ(tk::Val("0." + digits), 0.7777777777777778);
    EXPECT_EQ(tk::Val("0." + std::string(1 << 20, '0') + "1"), 0.0);
}

TEST(Str, GivesShortestTextThatReadsBack) {
    EXPECT_EQ(tk::Str(0.0), "0");
    EXPECT_EQ(tk::Str(-0.5), "-0.5");
    EXPECT_EQ(tk::Str(0.1), "0.1");
    EXPECT_EQ(tk::Str(12), "12");
    EXPECT_EQ(tk::Str(std::nan("")), "NaN");
}

} // namespace
