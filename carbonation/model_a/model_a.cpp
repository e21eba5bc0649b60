#include "carbonation_laws.h"
#include "model_a.h"

namespace dur::carbonation::model_a {

double depth(const double* inputs) noexcept { return depth_of<humidity_term>(inputs); }

double initiation_time(const double* inputs) noexcept { return initiation_time_of<humidity_term>(inputs); }

}  // namespace dur::carbonation::model_a
