#ifndef CARBONATION_MIX_QUANTITIES_H
#define CARBONATION_MIX_QUANTITIES_H

#include "working_values.h"

namespace dur::carbonation {

// The quantities of the mix that both models combine.
struct MixQuantities {
    double A;   // total aggregate content
    double S;   // aggregate volume per unit volume of concrete
    double gA;  // density of the aggregate as a whole (weighted harmonic mean)
    double q;   // gc w
    double V;   // volume of cement, water and aggregate per volume of cement
    double N;   // ((w/c - 0.3) gc) 0.35
    double D;   // volume of cement paste per volume of cement
};

MixQuantities mix_quantities(const WorkingValues& v) noexcept;

}  // namespace dur::carbonation

#endif
