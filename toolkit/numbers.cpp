#include "toolkit/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tk {

namespace {

int DecimalsOf(std::string_view pattern) {
    const auto point = pattern.find('.');
    if (point == std::string_view::npos)
        return 0;
    int decimals = 0;
    for (char c : pattern.substr(point + 1))
        if (c == '0' || c == '#')
            ++decimals;
    return decimals;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Most of the languages the program speaks write a half "0,5": a comma reads as the point does.
bool IsDecimalPoint(char c) {
    return c == '.' || c == ',';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// The extent of a leading decimal number, and the power of ten of its leading digit.
struct NumberScan {
    std::size_t first = 0; // first digit or point, after the sign
    std::size_t end = 0;
    bool negative = false;
    bool hasDigits = false;
    long long magnitudeExponent = 0;
};

// Reads the integer and fraction digits from scan.first on.
void ScanMantissa(std::string_view text, NumberScan& scan) {
    const std::size_t at = scan.first;
    const std::size_t integerEnd = SkipDigits(text, at);
    std::size_t leadingZeros = 0;
    while (at + leadingZeros < integerEnd && text[at + leadingZeros] == '0')
        ++leadingZeros;
    scan.magnitudeExponent = static_cast<long long>(integerEnd - at - leadingZeros);
    scan.hasDigits = integerEnd > at;
    scan.end = integerEnd;
    if (scan.end >= text.size() || !IsDecimalPoint(text[scan.end]))
        return;
    const std::size_t fractionEnd = SkipDigits(text, scan.end + 1);
    if (scan.magnitudeExponent == 0) {
        std::size_t zeros = scan.end + 1;
        while (zeros < fractionEnd && text[zeros] == '0')
            ++zeros;
        scan.magnitudeExponent = -static_cast<long long>(zeros - scan.end - 1);
    }
    scan.hasDigits = scan.hasDigits || fractionEnd > scan.end + 1;
    scan.end = fractionEnd;
}

// Reads the exponent that follows the mantissa, if one follows in full.
void ScanExponent(std::string_view text, NumberScan& scan) {
    if (scan.end >= text.size() || (text[scan.end] != 'e' && text[scan.end] != 'E'))
        return;
    std::size_t e = scan.end + 1;
    const bool negativeExponent = e < text.size() && text[e] == '-';
    if (e < text.size() && (text[e] == '+' || text[e] == '-'))
        ++e;
    const std::size_t exponentEnd = SkipDigits(text, e);
    if (exponentEnd == e)
        return; // "1e" or "1e+": the number ends before the "e"
    long long exponent = 0;
    for (std::size_t i = e; i < exponentEnd; ++i)
        exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000'000LL);
    scan.magnitudeExponent += negativeExponent ? -exponent : exponent;
    scan.end = exponentEnd;
}

NumberScan ScanNumber(std::string_view text) {
    NumberScan scan;
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        scan.negative = text[at] == '-';
        ++at;
    }
    scan.first = at;
    ScanMantissa(text, scan);
    if (scan.hasDigits)
        ScanExponent(text, scan);
    return scan;
}

} // namespace

double Val(std::string_view text) {
    const NumberScan scan = ScanNumber(text);
    if (!scan.hasDigits)
        return 0;
    std::string number(text.substr(scan.first, scan.end - scan.first));
    std::replace(number.begin(), number.end(), ',', '.');
    double magnitude = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range)
        magnitude = scan.magnitudeExponent > 0 ? std::numeric_limits<double>::max() : 0.0;
    else if (result.ec != std::errc())
        return 0;
    return scan.negative ? -magnitude : magnitude;
}

std::string Format(double value, std::string_view pattern) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    // 309 integer digits, a sign, a point and up to 17 decimals fit.
    char buffer[400];
    const int decimals = DecimalsOf(pattern) > 17 ? 17 : DecimalsOf(pattern);
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return "NaN";
    std::string text(buffer, end);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1); // rounded to zero: no sign
    return text;
}

// The exponent is that of the value rounded to its digits (9.9996 to four digits is 10.00), so it is
// read from the scientific form before the fixed form is chosen.
std::string Significant(double value, int digits) {
    if (!std::isfinite(value))
        return Format(value, "0");
    digits = std::clamp(digits, 1, 17);
    char buffer[32];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1);
    const std::string_view scientific(buffer, end - buffer);
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(scientific.find('e') + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+'),
                    exponentText.data() + exponentText.size(), exponent);
    if (value == 0)
        exponent = 0;
    if (exponent < -4 || exponent >= digits)
        return std::string(scientific);
    return Format(value, "0." + std::string(std::size_t(digits - 1 - exponent), '0'));
}

std::string Str(double value) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : "NaN";
}

std::string Str(int value) {
    return std::to_string(value);
}

} // namespace tk
