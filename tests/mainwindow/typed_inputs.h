#pragma once

// What a curious student may type into a field, grouped by what Normalize makes of it when it is
// the only magnitude: the bad-input table checks each group's result, the soak types them at random.

#include <string>
#include <vector>

namespace testing_main {

struct TypedMagnitudes {
    std::vector<std::string> texts;
    std::string reads;
    std::string phasorLine; // the line its phasor draws at angle 0
    bool curves;
};

inline const std::string kLongNumber = "1" + std::string(5000, '0');
inline const std::string kLongFraction = "0." + std::string(5000, '0') + "1";

inline const std::vector<TypedMagnitudes> kTypedMagnitudes = {
    {{"0.5", "+7", ".5", "5.", "  2.5e1xyz", "12 monkeys", "1e", "1,5", "1e200", "1e999", kLongNumber,
      "1e-300"},
     "1.000000",
     "DrawLine 35 35 70 35",
     true},
    {{"-3", "-0.7", "-1e-300"}, "-1.000000", "DrawLine 35 35 0 35", true},
    {{"0", "1e-999", kLongFraction, "", "   ", "-0", "0x10", "inf", "nan", "abc", "١٢", "五", "½", "ψ²"},
     "0.000000",
     "DrawLine 35 35 35 35",
     false},
};

} // namespace testing_main
