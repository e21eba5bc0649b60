// The depth law solved for the time at which the front reaches the cover.
#include <cmath>

#include "carbonation_constants.h"
#include "carbonation_laws.h"

namespace dur::carbonation {
namespace {

// Exact test; a negative K (w/c below 0.3) is kept, and its square is what
// the time uses.
double zero_or_nan_substituted(double value) noexcept
{
    return (value == 0.0 || std::isnan(value)) ? zero_substitute : value;
}

}  // namespace

double initiation_time(double K, const MixQuantities& mq, const WorkingValues& v) noexcept
{
    const double K_div = zero_or_nan_substituted(K);
    const double B = zero_or_nan_substituted((mq.V * v.co2) * k);
    return (std::pow(v.cover / K_div, 2.0) * v.m) / B;
}

}  // namespace dur::carbonation
