// De = 0.15 * ((1 + r) / v) * ((r - 0.85) / (1 + r))^3 * D0
//
// r is the volume of water per volume of cement and v the volume of water,
// cement and aggregate per volume of cement. A divisor equal to zero is
// replaced by 1e-10 where it divides, and only there.
#include "effective_diffusivity.h"

#include "chloride_constants.h"
#include "chloride_inputs.h"

namespace dur::chloride {

double effective_diffusivity(const double* x) noexcept
{
    const double gamma_c = x[sc] * density_scale;
    const double gamma_1 = x[s1] * density_scale;
    const double gamma_2 = x[s2] * density_scale;
    const double gamma_3 = x[s3] * density_scale;

    const double aggregate = (x[a1] + x[a2]) + x[a3];
    const double aggregate_div = nonzero_or(aggregate, zero_substitute);
    const double cement_div = nonzero_or(x[c], zero_substitute);

    const double r = (gamma_c * x[w]) / cement_div;
    const double p = 1.0 + r;
    const double q = (r - paste_threshold) / nonzero_or(p, zero_substitute);

    // Content-weighted mean relative density of the aggregate.
    const double part_1 = x[a1] * gamma_1 / aggregate_div;
    const double part_2 = x[a2] * gamma_2 / aggregate_div;
    const double part_3 = x[a3] * gamma_3 / aggregate_div;
    const double gamma_a = (part_1 + part_2) + part_3;

    // The numerator keeps the aggregate as computed: no aggregate, no term.
    const double v = (aggregate * gamma_c) / (cement_div * nonzero_or(gamma_a, zero_substitute)) + p;

    const double q_cubed = (q * q) * q;
    const double paste_fraction = (p / nonzero_or(v, zero_substitute)) * diffusivity_factor;
    return (q_cubed * paste_fraction) * x[D0];
}

}  // namespace dur::chloride
