// Constants of the chloride model, each written once.
#ifndef CHLORIDE_CONSTANTS_H
#define CHLORIDE_CONSTANTS_H

namespace dur::chloride {

constexpr double density_scale = 0.001;        // kg/m3 -> density relative to water
constexpr double paste_threshold = 0.85;       // r below it gives a negative diffusivity
constexpr double diffusivity_factor = 0.15;
constexpr double time_factor = 63072000.0;     // 2 x seconds in a 365-day year
constexpr double depth_scale = 1000.0;         // metres <-> millimetres
constexpr double zero_substitute = 1e-10;      // stands in for a divisor equal to zero
constexpr double diffusivity_substitute = 1e-20;
constexpr double threshold_factor = 0.998;     // cth equal to cs becomes 0.998 cs

// `value`, or `substitute` when it compares equal to zero (-0.0 included,
// NaN never).
constexpr double nonzero_or(double value, double substitute) noexcept
{
    return value == 0.0 ? substitute : value;
}

}  // namespace dur::chloride

#endif
