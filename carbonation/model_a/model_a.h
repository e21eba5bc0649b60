// Carbonation model A: the closed-form humidity term 1 - RH/100.
#ifndef CARBONATION_MODEL_A_H
#define CARBONATION_MODEL_A_H

namespace dur::carbonation::model_a {

// 1 - RH 0.01, with RH above 100 clamped to 100 so that the term never goes
// negative.
double humidity_term(double RH) noexcept;

// Depth and initiation time from the sanitised host vector.
double depth(const double* inputs) noexcept;
double initiation_time(const double* inputs) noexcept;

}  // namespace dur::carbonation::model_a

#endif
