#include "toolkit/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

TEST(Format, GivesFixedPointTextRoundedToThePatternsPlaces) {
    const struct {
        const char* name;
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"six places", 1.0 / 3, "0.000000", "0.333333"},
        {"negative, zeros kept", -1, "0.000000", "-1.000000"},
        {"every digit of a large value", 1e20, "-#0", "100000000000000000000"},
        {"negative zero, unsigned", -0.0, "-#0", "0"},
        {"not a number", kNaN, "0.000000", "NaN"},
        {"minus infinity", -kInfinity, "-#0.0", "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::Format(c.value, c.pattern), c.expected) << c.name;
    EXPECT_EQ(tk::Format(-kLargest, "-#0.0").size(), 1u + 309u + 2u) << "the largest double written whole";
}

TEST(Significant, KeepsFourDigitsWithTrailingZerosFixedOrAsAPowerOfTen) {
    const struct {
        const char* name;
        double value;
        const char* expected;
    } cases[] = {
        {"trailing zero kept", 2.92, "2.920"},
        {"rounded up into the next decade", 9.99996, "10.00"},
        {"too large for four digits", 12346, "1.235e+04"},
        {"too small for fixed point", 1.5e-7, "1.500e-07"},
        {"zero", 0, "0.000"},
        {"no number", kNaN, "NaN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::Significant(c.value, 4), c.expected) << c.name;
}

// Exact comparisons: the largest double is not infinity, and zero is not the smallest denormal.
TEST(Val, ReadsTheLeadingNumberOrZeroAndNeverOverflows) {
    const std::string digits(1 << 20, '7');
    const struct {
        const char* name;
        std::string text;
        double expected;
    } cases[] = {
        {"blanks before, letters after", "  3.5abc", 3.5},
        {"no units", ".5", 0.5},
        {"an exponent", "2.5e2x", 250},
        {"a decimal comma reads as a point", "-0,5", -0.5},
        {"a comma after the point ends it", "1.5,25", 1.5},
        {"too large", "1e999", kLargest},
        {"an exponent beyond any integer", "1e99999999999999999999", kLargest},
        {"a million digits", digits, kLargest},
        {"a digit after a million zeros", "0." + std::string(1 << 20, '0') + "1", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tk::Val(c.text), c.expected) << c.name;
    for (const char* text : {"", "   ", "-.", "e5", "inf", "0x10", "1e-999", "٣"})
        EXPECT_EQ(tk::Val(text), 0.0) << "no number: '" << text << "'";
}

TEST(Str, GivesShortestTextThatReadsBack) {
    const std::string texts = tk::Str(0.0) + " " + tk::Str(-0.5) + " " + tk::Str(0.1) + " " + tk::Str(12) +
                              " " + tk::Str(1e21) + " " + tk::Str(kNaN);
    EXPECT_EQ(texts, "0 -0.5 0.1 12 1e+21 NaN");
}

} // namespace
