#include "bench/wave_samples.h"

#include "physics/superposition.h"

namespace bench {

WaveSamples WaveSamples::AtPhase(double degrees) {
    return OfState({1, 0, 0, 0, 0, 0}, {degrees, 0, 0, 0, 0, 0});
}

WaveSamples WaveSamples::OfState(const physics::Components& magnitudes, const physics::Components& degrees) {
    WaveSamples samples;
    physics::Superpose(magnitudes, degrees, samples.real, samples.imaginary, samples.density);
    return samples;
}

} // namespace bench
