// The square-root-of-time law and its inverse, common to both models; a model
// supplies its depth coefficient K, which carries its humidity term.
#ifndef CARBONATION_LAWS_H
#define CARBONATION_LAWS_H

#include "mix_quantities.h"
#include "working_values.h"

namespace dur::carbonation {

// K = (N / D) h, with h the model's humidity term.
double depth_coefficient(const MixQuantities& mq, double humidity_term) noexcept;

// x = (K sqrt(((V co2) t) k)) m
double carbonation_depth(double K, const MixQuantities& mq, const WorkingValues& v) noexcept;

// ti = (pow(cover / K, 2) m) / B, B = (V co2) k; K and B equal to zero or
// NaN become 1e-6.
double initiation_time(double K, const MixQuantities& mq, const WorkingValues& v) noexcept;

// A model's humidity term of the working relative humidity.
using HumidityTerm = double (*)(double RH) noexcept;

// One call of a model, from the sanitised host vector: working values, mix
// quantities, K with the model's humidity term, then the law.
template <HumidityTerm humidity>
double depth_of(const double* inputs) noexcept
{
    const WorkingValues v = read_working_values(inputs);
    const MixQuantities mq = mix_quantities(v);
    return carbonation_depth(depth_coefficient(mq, humidity(v.RH)), mq, v);
}

template <HumidityTerm humidity>
double initiation_time_of(const double* inputs) noexcept
{
    const WorkingValues v = read_working_values(inputs);
    const MixQuantities mq = mix_quantities(v);
    return initiation_time(depth_coefficient(mq, humidity(v.RH)), mq, v);
}

}  // namespace dur::carbonation

#endif
