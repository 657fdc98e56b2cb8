#pragma once

#include <cstdint>

namespace tk {

// A 24-bit RGB value, 0xRRGGBB.
using Color = std::uint32_t;

constexpr Color RGB(int red, int green, int blue) {
    return (Color(red & 255) << 16) | (Color(green & 255) << 8) | Color(blue & 255);
}
// The program's palette: black and white, the red of a curve drawn beside a black one, the grey of
// the grids, the blue of the weights of the states and the green of a position found.
inline constexpr Color kBlack = RGB(0, 0, 0);
inline constexpr Color kWhite = RGB(255, 255, 255);
inline constexpr Color kCurveRed = RGB(255, 0, 0);
inline constexpr Color kGridGrey = RGB(180, 180, 180);
inline constexpr Color kWeightBlue = RGB(70, 120, 210);
inline constexpr Color kFoundGreen = RGB(0, 150, 60);

constexpr int Red(Color c) {
    return int((c >> 16) & 255);
}
constexpr int Green(Color c) {
    return int((c >> 8) & 255);
}
constexpr int Blue(Color c) {
    return int(c & 255);
}

} // namespace tk
