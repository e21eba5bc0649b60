// The grouping below is the model's: q / c appears twice, grouped differently
// in V (q 0.001 divided by c) and in D (q / c times 0.001), and both are kept.
#include "carbonation_constants.h"
#include "mix_quantities.h"

namespace dur::carbonation {

MixQuantities mix_quantities(const WorkingValues& v) noexcept
{
    MixQuantities mq;
    mq.A = (v.a3 + v.a2) + v.a1;
    mq.S = (v.a3 / v.g3 + v.a2 / v.g2) + v.a1 / v.g1;
    mq.gA = mq.A / mq.S;
    mq.q = v.gc * v.w;

    const double aggregate_term = ((mq.A * v.gc) / v.c) / mq.gA;
    const double water_term = (mq.q * per_water_density) / v.c;
    mq.V = (aggregate_term + water_term) + 1.0;

    mq.N = ((v.w / v.c - wc_threshold) * v.gc) * depth_constant;
    mq.D = ((mq.q / v.c) * per_water_density) + 1.0;
    return mq;
}

}  // namespace dur::carbonation
