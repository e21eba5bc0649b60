#ifndef CHLORIDE_EFFECTIVE_DIFFUSIVITY_H
#define CHLORIDE_EFFECTIVE_DIFFUSIVITY_H

namespace dur::chloride {

// Effective chloride diffusivity of the concrete in m2/s, from the mix
// (positions 7 to 15) and the free-solution coefficient (position 6).
double effective_diffusivity(const double* inputs) noexcept;

}  // namespace dur::chloride

#endif
