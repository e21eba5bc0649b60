// The tabulated humidity curve of model B and its spline evaluator.
#include <string>

#include <gtest/gtest.h>

#include "bits.h"
#include "humidity_knots.h"
#include "model_b.h"
#include "reference_vectors.h"

namespace dur::test {
namespace {

using carbonation::model_b::humidity_factor;
using carbonation::model_b::humidity_knots;
using carbonation::model_b::spline_eval;

struct FactorCase {
    double rh;
    double factor;  // exact double
};

const FactorCase worked_factors[] = {
    {  6.3, 0.00020729787923697923},
    { 10.0, 0.019532035662207826  },
    { 30.0, 0.15018135194524063   },
    { 50.0, 0.4032826661709443    },
    { 65.0, 0.45324516483827704   },
    { 80.0, 0.48022940641357026   },
    { 85.0, 0.48635070103012246   },
    { 90.0, 0.45778880594900684   },
    { 95.0, 0.1861263357593833    },
    { 99.0, 0.0044740634440623255 },
};

TEST(HumidityFactor, WorkedValuesToTheBit)
{
    for (const FactorCase& c : worked_factors)
        EXPECT_TRUE(same_double(humidity_factor(c.rh), c.factor)) << "rh " << c.rh;
}

TEST(HumidityFactor, EveryKnotGivesItsOwnValueExactly)
{
    for (int k = 0; k < carbonation::model_b::humidity_knot_count; ++k)
        EXPECT_TRUE(same_double(humidity_factor(humidity_knots.x[k]), humidity_knots.y[k])) << "knot " << k + 1;
    EXPECT_TRUE(same_double(humidity_factor(45.42), 0.334266));
    EXPECT_TRUE(same_double(humidity_factor(6.26), 0.0));
    EXPECT_TRUE(same_double(humidity_factor(100.0), 0.0));
}

TEST(HumidityFactor, ZeroOutsideTheDomain)
{
    for (const double rh : {nan, inf, -inf, -0.0, 0.0, -1.0, -1e300, 6.25, 6.259999999, 100.0001, 120.0, 1e300})
        EXPECT_TRUE(same_double(humidity_factor(rh), 0.0)) << describe(rh);
}

TEST(HumidityFactor, NeverNegativeAndPeaksNear84)
{
    double peak = 0.0;
    double peak_at = 0.0;
    for (int i = 0; i <= 937400; ++i) {
        const double rh = 6.26 + i * 1e-4;
        const double f = humidity_factor(rh);
        ASSERT_GE(f, 0.0) << rh;
        if (f > peak) {
            peak = f;
            peak_at = rh;
        }
    }
    EXPECT_NEAR(peak, 0.48660, 5e-6);
    EXPECT_NEAR(peak_at, 84.39, 0.01);
}

// On a straight line (zero curvature) the spline is the line, and the last
// knot lands in the last interval.
TEST(SplineEval, StraightLineAndLastKnot)
{
    const double xa[] = {0.0, 1.0, 2.0, 4.0};
    const double ya[] = {1.0, 3.0, 5.0, 9.0};
    const double y2a[] = {0.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(spline_eval(xa, ya, y2a, 4, 0.5), 2.0);
    EXPECT_EQ(spline_eval(xa, ya, y2a, 4, 3.0), 7.0);
    EXPECT_EQ(spline_eval(xa, ya, y2a, 4, 4.0), 9.0);
    EXPECT_EQ(spline_eval(xa, ya, y2a, 2, 0.25), 1.5);
}

// With curvature, an interior knot is the left end of its interval: the
// value there is the knot's own, whatever the neighbours' curvature.
TEST(SplineEval, InteriorKnotIsExact)
{
    const double xa[] = {0.0, 1.0, 3.0};
    const double ya[] = {0.0, 2.0, 1.0};
    const double y2a[] = {0.0, -3.0, 0.0};
    EXPECT_EQ(spline_eval(xa, ya, y2a, 3, 1.0), 2.0);
    // Midway in the first interval: a = b = 0.5, curvature term
    // (0.125 - 0.5) * -3 / 6 = 0.1875 added to the linear 1.0.
    EXPECT_EQ(spline_eval(xa, ya, y2a, 3, 0.5), 1.1875);
}

}  // namespace
}  // namespace dur::test
