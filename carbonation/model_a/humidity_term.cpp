#include "model_a.h"

namespace dur::carbonation::model_a {
namespace {

constexpr double rh_bound = 100.0;
constexpr double percent = 0.01;

}  // namespace

double humidity_term(double RH) noexcept
{
    const double clamped = RH > rh_bound ? rh_bound : RH;
    return 1.0 - clamped * percent;
}

}  // namespace dur::carbonation::model_a
