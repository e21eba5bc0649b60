// depth = 1000 m sqrt(2 De (31536000 t) cs / csat)
#include <cmath>

#include "chloride_constants.h"
#include "chloride_inputs.h"
#include "chloride_model.h"
#include "effective_diffusivity.h"

namespace dur::chloride {

double penetration_depth(const double* x) noexcept
{
    const double De = effective_diffusivity(x);
    const double csat_div = nonzero_or(x[csat], zero_substitute);

    double Q = (((De * time_factor) * x[cs]) * x[t]) / csat_div;
    // A negative product (r below 0.85, or one negative factor) would give a
    // NaN depth; the model reads it as no penetration. NaN and -0.0 pass.
    if (Q < 0.0)
        Q = 0.0;

    return std::sqrt(Q) * (x[m] * depth_scale);
}

}  // namespace dur::chloride
