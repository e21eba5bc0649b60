// The two chloride results, evaluated from the host's vector as passed. The
// exports wrap them in screening and logging.
#ifndef CHLORIDE_MODEL_H
#define CHLORIDE_MODEL_H

namespace dur::chloride {

// Chloride penetration depth in mm, times the result factor.
double penetration_depth(const double* inputs) noexcept;

// Time to corrosion initiation in years, times the result factor.
double initiation_time(const double* inputs) noexcept;

}  // namespace dur::chloride

#endif
