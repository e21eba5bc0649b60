// The carbonation inputs as the formulas use them: copied from the
// (sanitised) host vector, with zero divisors replaced. The host's vector
// keeps its values.
#ifndef CARBONATION_WORKING_VALUES_H
#define CARBONATION_WORKING_VALUES_H

namespace dur::carbonation {

struct WorkingValues {
    double cover, t, co2, RH, c, w, a1, a2, a3, gc, g1, g2, g3, m;
};

// Reads positions 1 to 14 and substitutes 1e-6 for a zero c, gc, g1, g2, g3,
// and for a1 when all three aggregate contents are zero. RH is passed as
// read: only model A clamps it.
WorkingValues read_working_values(const double* inputs) noexcept;

}  // namespace dur::carbonation

#endif
