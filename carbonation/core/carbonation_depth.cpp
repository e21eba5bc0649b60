#include <cmath>

#include "carbonation_constants.h"
#include "carbonation_laws.h"

namespace dur::carbonation {

double carbonation_depth(double K, const MixQuantities& mq, const WorkingValues& v) noexcept
{
    // Not guarded: a w/c below 0.3 gives a negative K and a negative depth.
    const double root = std::sqrt(((mq.V * v.co2) * v.t) * k);
    return (K * root) * v.m;
}

}  // namespace dur::carbonation
