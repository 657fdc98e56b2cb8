#include "physics/packet_preview.h"

#include "physics/superposition.h"

#include <cmath>
#include <complex>

namespace physics {

namespace {

// The area over the box of the bell curve exp(-(x - centre)^2 / (2 width^2)).
double BellArea(const PacketShape& shape) {
    const double scale = std::sqrt(2.0) * shape.width;
    return std::sqrt(kPi / 2) * shape.width *
           (std::erf((1 - shape.centre) / scale) - std::erf(-shape.centre / scale));
}

} // namespace

PacketPreview PreviewOf(const PacketShape& shape, const Packet& packet) {
    PacketPreview preview;
    const double area = BellArea(shape);
    const double size = std::sqrt(packet.share);
    for (int j = 0; j < kSamples; ++j) {
        const double x = SampleX(j);
        const double offset = x - shape.centre;
        preview.packet[j] = std::exp(-offset * offset / (2 * shape.width * shape.width)) / area;
        std::complex<double> psi;
        for (int k = 0; k < kComponents; ++k)
            psi += std::polar(size * packet.magnitudes[k] * std::sqrt(2.0),
                              packet.degrees[k] * kDegreesToRadians) *
                   std::sin((k + 1) * kPi * x);
        preview.projection[j] = std::norm(psi);
    }
    return preview;
}

} // namespace physics
