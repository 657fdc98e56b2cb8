#include "physics/profile.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace physics {

void Profile::Resize(int count) {
    count = std::max(2, count);
    if (count == count_)
        return;
    count_ = count;
    const auto points = static_cast<std::size_t>(count);
    sines_.resize(points * kComponents);
    for (std::size_t i = 0; i < points; ++i)
        for (int k = 0; k < kComponents; ++k)
            sines_[i * kComponents + static_cast<std::size_t>(k)] =
                std::sin((k + 1) * kPi * X(static_cast<int>(i)));
    real_.assign(points, 0);
    imaginary_.assign(points, 0);
    density_.assign(points, 0);
    empty_ = true;
}

void Profile::Fill(const Components& weights, const Components& phases, Scale scale) {
    Resize(count_);
    std::array<double, kComponents> re{};
    std::array<double, kComponents> im{};
    double totalWeight = 0;
    bool finite = true;
    for (int k = 0; k < kComponents; ++k) {
        re[k] = weights[k] * std::cos(phases[k] * kDegreesToRadians);
        im[k] = weights[k] * std::sin(phases[k] * kDegreesToRadians);
        totalWeight += std::abs(weights[k]);
        finite = finite && std::isfinite(re[k]) && std::isfinite(im[k]);
    }
    empty_ = !finite || !(totalWeight > 0);
    const double factor = empty_ ? 0 : scale == Scale::Physical ? std::numbers::sqrt2 : 1 / totalWeight;
    for (std::size_t i = 0; i < real_.size(); ++i) {
        const double* sines = &sines_[i * kComponents];
        double r = 0;
        double m = 0;
        for (int k = 0; k < kComponents; ++k) {
            r += re[k] * sines[k];
            m += im[k] * sines[k];
        }
        real_[i] = factor * r;
        imaginary_[i] = factor * m;
        density_[i] = real_[i] * real_[i] + imaginary_[i] * imaginary_[i];
    }
}

} // namespace physics
