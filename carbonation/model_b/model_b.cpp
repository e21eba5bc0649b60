#include "carbonation_laws.h"
#include "mix_quantities.h"
#include "model_b.h"
#include "working_values.h"

namespace dur::carbonation::model_b {

double depth(const double* inputs) noexcept
{
    const WorkingValues v = read_working_values(inputs);
    const MixQuantities mq = mix_quantities(v);
    const double K = depth_coefficient(mq, humidity_factor(v.RH));
    return carbonation_depth(K, mq, v);
}

double initiation_time(const double* inputs) noexcept
{
    const WorkingValues v = read_working_values(inputs);
    const MixQuantities mq = mix_quantities(v);
    const double K = depth_coefficient(mq, humidity_factor(v.RH));
    return carbonation::initiation_time(K, mq, v);
}

}  // namespace dur::carbonation::model_b
