#include "toolkit/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, GivesFixedPointText) {
    EXPECT_EQ(tk::Format(GetParam().value, GetParam().pattern), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatTest,
    testing::Values(FormatCase{1.0 / 3, "0.000000", "0.333333"},
                    FormatCase{0.0000006, "0.000000", "0.000001"}, FormatCase{-1, "0.000000", "-1.000000"},
                    FormatCase{-10, "-#0", "-10"}, FormatCase{0.5, "-#0.0", "0.5"},
                    FormatCase{0.02, "-#0.00", "0.02"}, FormatCase{0.005, "-#0.000", "0.005"},
                    FormatCase{0.0005, "-#0.0000", "0.0005"},
                    FormatCase{1e20, "-#0", "100000000000000000000"},
                    FormatCase{-0.0000001, "0.000000", "0.000000"}, FormatCase{-0.0, "-#0", "0"},
                    FormatCase{-0.04, "-#0.0", "0.0"}, FormatCase{std::nan(""), "0.000000", "NaN"},
                    FormatCase{kInfinity, "-#0", "INF"}, FormatCase{-kInfinity, "-#0.0", "-INF"}));

TEST(Significant, KeepsFourDigitsWithTrailingZerosFixedOrAsAPowerOfTen) {
    const struct {
        const char* name;
        double value;
        const char* expected;
    } cases[] = {
        {"below 1", 0.32708, "0.3271"},
        {"trailing zero kept", 2.92, "2.920"},
        {"rounded up into the next decade", 9.99996, "10.00"},
        {"no decimals left", 1234.4, "1234"},
        {"too large for four digits", 12346, "1.235e+04"},
        {"smallest in fixed point", -0.00012344, "-0.0001234"},
        {"too small for fixed point", 1.5e-7, "1.500e-07"},
        {"zero", 0, "0.000"},
        {"negative zero", -0.0, "0.000"},
        {"no number", std::nan(""), "NaN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::Significant(c.value, 4), c.expected) << c.name;
}

struct ValCase {
    const char* text;
    double expected;
};

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(tk::Val(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ValTest,
                         testing::Values(ValCase{"  3.5abc", 3.5}, ValCase{"\t-2", -2}, ValCase{"+4", 4},
                                         ValCase{".5", 0.5}, ValCase{"5.", 5}, ValCase{"1e", 1},
                                         ValCase{"1e+", 1}, ValCase{"2.5e2x", 250}, ValCase{"1,5", 1},
                                         ValCase{"3\xC2\xB0", 3}, ValCase{"1e999", kLargest},
                                         ValCase{"-1e999", -kLargest},
                                         ValCase{"1e99999999999999999999", kLargest}));

TEST(Val, TextWithoutALeadingNumberReadsZero) {
    for (const char* text :
         {"", "   ", "abc", "-", ".", "-.", "+", "e5", "inf", "NaN", "0x10", "1e-999", "\xCF\x80", "٣"})
        EXPECT_EQ(tk::Val(text), 0.0) << text;
}

TEST(Numbers, HugeTextsAreReadAndWrittenWhole) {
    const std::string digits(1 << 20, '7');
    EXPECT_EQ(tk::Val(digits), kLargest);
    EXPECT_DOUBLE_EQ(tk::Val("0." + digits), 0.7777777777777778);
    EXPECT_EQ(tk::Val("0." + std::string(1 << 20, '0') + "1"), 0.0);
    EXPECT_EQ(tk::Format(-kLargest, "-#0.0").size(), 1u + 309u + 2u);
}

TEST(Str, GivesShortestTextThatReadsBack) {
    const std::string texts = tk::Str(0.0) + " " + tk::Str(-0.5) + " " + tk::Str(0.1) + " " + tk::Str(12) +
                              " " + tk::Str(1e21) + " " + tk::Str(std::nan(""));
    EXPECT_EQ(texts, "0 -0.5 0.1 12 1e+21 NaN");
}

} // namespace
