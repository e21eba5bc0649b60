// The curve is 0 at 6.26 % and at 100 %, peaks near 84.4 % at about 0.4866 and
// falls steeply above 90 %. Outside its domain the factor is 0.
#include "humidity_knots.h"
#include "model_b.h"

namespace dur::carbonation::model_b {
namespace {

constexpr double rh_low = 6.26;   // the first knot, inside the domain
constexpr double rh_high = 100.0; // the last knot, inside the domain

}  // namespace

double humidity_factor(double rh) noexcept
{
    // Written as "not at least the lower bound" so that NaN gives 0 as well.
    if (!(rh >= rh_low))
        return 0.0;
    if (rh > rh_high)
        return 0.0;
    return spline_eval(humidity_knots.x, humidity_knots.y, humidity_knots.y2, humidity_knot_count, rh);
}

}  // namespace dur::carbonation::model_b
