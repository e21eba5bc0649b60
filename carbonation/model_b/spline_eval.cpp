// Evaluation of a cubic spline from its knot values and second derivatives.
//
//   y = a y[lo] + b y[hi] + ((a^3 - a) y2[lo] + (b^3 - b) y2[hi]) h^2 / 6
//
// with h the interval width, a and b the distances to its ends over h. The
// steps are taken in a fixed order, the cube and the square by pow and the
// sixth as a product: the last bits of the result depend on it.
#include <cmath>

#include "model_b.h"

namespace dur::carbonation::model_b {
namespace {

constexpr double one_sixth = 0.16666666666666666;  // nearest double to 1/6

}  // namespace

double spline_eval(const double* xa, const double* ya, const double* y2a, int n, double x) noexcept
{
    // Bisection for the bracketing interval, 0-based. A tie moves lo, so an
    // interior knot is the left end of its interval; x = xa[n-1] lands in
    // the last interval.
    int lo = 0;
    int hi = n - 1;
    while (hi - lo > 1) {
        const int mid = (hi + lo) / 2;
        if (x >= xa[mid])
            lo = mid;
        else
            hi = mid;
    }

    const double h = xa[hi] - xa[lo];
    const double a = (xa[hi] - x) / h;
    const double b = (x - xa[lo]) / h;

    double s1 = std::pow(a, 3.0) - a;
    s1 = s1 * y2a[lo];
    double s2 = std::pow(b, 3.0) - b;
    s2 = s2 * y2a[hi];
    double s = s1 + s2;
    s = s * std::pow(h, 2.0);
    s = s * one_sixth;
    s = s + a * ya[lo];
    s = s + b * ya[hi];
    return s;
}

}  // namespace dur::carbonation::model_b
