#pragma once

#include "physics/clock.h"
#include "physics/state.h"

#include <span>
#include <vector>

namespace physics {

// The density over position and time of a state left to itself, L |psi(x, t)|^2, on a grid: the
// picture of a whole period at once, where the revivals show as patterns that repeat. Column j lies
// at x/L = (j + 1/2) / columns, so the columns mirror each other about the middle of the box; row i
// at t/T1 = span x i / rows, so row 0 is t = 0. It comes from the closed form
//   sqrt(L) psi(x, t) = sum of c_n e^(+-i n^2 2 pi t / T1) sqrt(2) sin(n pi x / L),
// the sign as `turning` turns the phases (counter-clockwise +, as the animation's clock does by
// default). For coefficients whose squares sum to 1 each row's integral over x/L is 1; for a part of
// a state (the states a plot shows) it is that part's share.
class Carpet {
public:
    // Sizes the grid for the next Fill; a size below 1 counts as 1.
    void Resize(int columns, int rows);
    // Fills the grid with the density of `state` (its coefficients at t = 0, not normalized here)
    // from t = 0 to span x T1, as `turning` turns the phases.
    void Fill(const State& state, Turning turning, double span);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    double Span() const { return span_; }
    std::span<const double> Row(int row) const;
    double At(int column, int row) const { return density_[Index(column, row)]; }
    // The largest value of the grid, 0 for a state with no coefficient.
    double Maximum() const { return maximum_; }
    double X(int column) const { return (column + 0.5) / columns_; }
    double T(int row) const { return span_ * row / rows_; }

private:
    std::size_t Index(int column, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    }
    void FillSines();

    int columns_ = 1;
    int rows_ = 1;
    double span_ = 1;
    // sqrt(2) sin(n pi x_j) for n = 1 to 6, six for each column, made when the columns change.
    std::vector<double> sines_;
    std::vector<double> density_;
    double maximum_ = 0;
};

} // namespace physics
