#pragma once

#include "physics/box.h"

#include <span>
#include <vector>

namespace physics {

// The wavefunction of a superposition at any number of points spread evenly across the box, from
// the closed form sum of w_n e^(i phase_n) sin(n pi x / L): a curve as fine as the screen it is
// drawn on, where the frames' 101 samples would show as a polygon. Point i lies at
// x/L = i / (count - 1), from wall to wall. Scaled, the sum is divided by the sum of the weights'
// sizes, as Superpose divides it; physical, it is sqrt(L) psi, sqrt(2) times the sum, as
// SuperposePhysical gives it. The density is real^2 + imaginary^2.
class Profile {
public:
    enum class Scale { Scaled, Physical };

    // Sizes it for the next Fill; fewer than 2 points count as 2.
    void Resize(int count);
    // The shown states' weights (0 for those left out) and their phases in degrees. With no weight
    // at all there is no wavefunction: Empty() is true and the values are 0.
    void Fill(const Components& weights, const Components& phases, Scale scale);

    int Count() const { return count_; }
    double X(int i) const { return static_cast<double>(i) / (count_ - 1); }
    bool Empty() const { return empty_; }
    std::span<const double> Real() const { return real_; }
    std::span<const double> Imaginary() const { return imaginary_; }
    std::span<const double> Density() const { return density_; }

private:
    int count_ = 0;
    bool empty_ = true;
    // sin(n pi x_i) for n = 1 to 6, six for each point, made when the count changes.
    std::vector<double> sines_;
    std::vector<double> real_;
    std::vector<double> imaginary_;
    std::vector<double> density_;
};

} // namespace physics
