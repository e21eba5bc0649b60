#include "carbonation_laws.h"
#include "model_b.h"

namespace dur::carbonation::model_b {

double depth(const double* inputs) noexcept { return depth_of<humidity_factor>(inputs); }

double initiation_time(const double* inputs) noexcept { return initiation_time_of<humidity_factor>(inputs); }

}  // namespace dur::carbonation::model_b
