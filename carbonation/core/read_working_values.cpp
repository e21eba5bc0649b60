#include "carbonation_constants.h"
#include "carbonation_inputs.h"
#include "working_values.h"

namespace dur::carbonation {
namespace {

// Exact comparison: -0.0 is zero, a tiny positive value is not, NaN is not.
constexpr double nonzero_or_substitute(double value) noexcept
{
    return value == 0.0 ? zero_substitute : value;
}

}  // namespace

WorkingValues read_working_values(const double* x) noexcept
{
    WorkingValues v{
        x[cover], x[t], x[co2], x[RH], x[c], x[w], x[a1], x[a2], x[a3],
        x[gc], x[g1], x[g2], x[g3], x[m],
    };
    // A mix without aggregate still has a non-zero total: a1 alone stands in.
    if (v.a1 == 0.0 && v.a2 == 0.0 && v.a3 == 0.0)
        v.a1 = zero_substitute;
    v.c = nonzero_or_substitute(v.c);
    v.gc = nonzero_or_substitute(v.gc);
    v.g1 = nonzero_or_substitute(v.g1);
    v.g2 = nonzero_or_substitute(v.g2);
    v.g3 = nonzero_or_substitute(v.g3);
    return v;
}

}  // namespace dur::carbonation
