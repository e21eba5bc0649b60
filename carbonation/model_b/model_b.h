// Carbonation model B: the humidity term read from a tabulated curve.
#ifndef CARBONATION_MODEL_B_H
#define CARBONATION_MODEL_B_H

namespace dur::carbonation::model_b {

// Cubic-spline interpolation over n knots (abscissae strictly increasing,
// n >= 2) with the second derivatives given, not recomputed.
double spline_eval(const double* xa, const double* ya, const double* y2a, int n, double x) noexcept;

// The humidity factor of relative humidity `rh` in percent: the spline
// between 6.26 and 100, 0.0 everywhere else (NaN included).
double humidity_factor(double rh) noexcept;

// Depth and initiation time from the sanitised host vector. RH is not
// clamped: above 100 the factor is 0.
double depth(const double* inputs) noexcept;
double initiation_time(const double* inputs) noexcept;

}  // namespace dur::carbonation::model_b

#endif
