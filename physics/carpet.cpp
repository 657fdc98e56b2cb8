#include "physics/carpet.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace physics {

namespace {

// The phase factor of state n at t/T1 = periods, e^(+-i n^2 2 pi t / T1). The whole turns are taken
// off first, so that the angle stays below a turn and t = T1 gives exactly 1: each row is worked
// out afresh, with no rounding carried from one row to the next.
Complex PhaseFactor(int n, double periods, double sign) {
    const double turns = std::fmod(EnergyFactor(n) * periods, 1.0);
    return std::polar(1.0, sign * 2 * std::numbers::pi * turns);
}

} // namespace

void Carpet::Resize(int columns, int rows) {
    columns = std::max(1, columns);
    rows = std::max(1, rows);
    if (columns != columns_ || sines_.empty()) {
        columns_ = columns;
        FillSines();
    }
    rows_ = rows;
    density_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0.0);
    maximum_ = 0;
}

void Carpet::FillSines() {
    sines_.resize(static_cast<std::size_t>(columns_) * kComponents);
    for (int j = 0; j < columns_; ++j)
        for (int k = 0; k < kComponents; ++k)
            sines_[static_cast<std::size_t>(j) * kComponents + k] =
                std::numbers::sqrt2 * std::sin((k + 1) * std::numbers::pi * X(j));
}

std::span<const double> Carpet::Row(int row) const {
    return {density_.data() + Index(0, row), static_cast<std::size_t>(columns_)};
}

// Per row, six phase factors; per pixel, two sums of six products and a square: no trigonometry
// below the row.
void Carpet::Fill(const State& state, Turning turning, double span) {
    if (sines_.empty())
        Resize(columns_, rows_);
    span_ = span;
    const double sign = TurnSign(turning);
    double maximum = 0;
    for (int i = 0; i < rows_; ++i) {
        double re[kComponents];
        double im[kComponents];
        for (int k = 0; k < kComponents; ++k) {
            const Complex c = state.c[k] * PhaseFactor(k + 1, T(i), sign);
            re[k] = c.real();
            im[k] = c.imag();
        }
        double* out = density_.data() + Index(0, i);
        const double* sines = sines_.data();
        for (int j = 0; j < columns_; ++j, sines += kComponents) {
            double a = 0;
            double b = 0;
            for (int k = 0; k < kComponents; ++k) {
                a += re[k] * sines[k];
                b += im[k] * sines[k];
            }
            out[j] = a * a + b * b;
            maximum = std::max(maximum, out[j]);
        }
    }
    maximum_ = maximum;
}

} // namespace physics
