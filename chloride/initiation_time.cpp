// ti = m (cover/1000)^2 csat / (2 De 31536000 cs (1 - cth/cs)^2)
//
// The depth law inverted at the reduced depth cover / f, f = 1 - cth / cs.
// Three substitutes keep it finite: De and cs equal to zero, and a threshold
// equal to the surface concentration (f would vanish).
#include "chloride_constants.h"
#include "chloride_inputs.h"
#include "chloride_model.h"
#include "effective_diffusivity.h"

namespace dur::chloride {

double initiation_time(const double* x) noexcept
{
    const double De_div = nonzero_or(effective_diffusivity(x), diffusivity_substitute);
    const double cs_div = nonzero_or(x[cs], zero_substitute);
    // Both the test and the product use cs as passed, not its substitute.
    const double threshold = x[cth] == x[cs] ? threshold_factor * x[cs] : x[cth];

    const double f = 1.0 - threshold / cs_div;
    const double d = x[cover] / depth_scale;

    const double numerator = (d * (x[csat] * d)) * x[m];
    const double denominator = f * ((cs_div * (De_div * time_factor)) * f);
    return numerator / denominator;
}

}  // namespace dur::chloride
