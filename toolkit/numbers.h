#pragma once

#include <string>
#include <string_view>

namespace tk {

// Formats a number with a pattern such as "0.000000", "-#0" or "-#0.00": fixed point with as
// many decimals as the pattern has after its point, at least one integer digit, and a minus sign
// only for a value that is still negative after rounding. Not-a-number gives "NaN", infinities
// "INF" and "-INF".
std::string Format(double value, std::string_view pattern);

// The value to `digits` significant digits (1 to 17), trailing zeros kept: fixed point from 0.0001
// up to 10^digits, otherwise as a power of ten ("1.500e-07"). A minus sign only for a value that is
// still negative after rounding; the same texts as Format for values that are not numbers. Short
// enough for the string's own storage (no heap) at up to 8 digits.
std::string Significant(double value, int digits);

// Reads the decimal number at the start of the text (after leading blanks): an optional sign,
// digits with an optional decimal point or comma ("0,5" is 0.5), and an optional exponent. Text that does not
// start with a number gives 0; a number too large for a double gives the largest finite one of its sign, and
// one too small gives 0. The result is always finite.
double Val(std::string_view text);

// The shortest text that reads back as the same number ("0", "-0.5", "1e+21").
std::string Str(double value);
std::string Str(int value);

} // namespace tk
