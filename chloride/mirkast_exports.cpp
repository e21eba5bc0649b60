// The export surface of the chloride plug-in: the only two symbols it shows.
//
// Each export keeps a log of its own and opens it for exclusive use. The
// vector is only read: negative values are reported and then used as given.
#include "chloride_inputs.h"
#include "chloride_model.h"
#include "frame/plugin_api.h"
#include "frame/run_export.h"

namespace {

using namespace dur;

constexpr ExportContract depth_contract = {
    chloride::depth_inputs, NanPolicy::accept, false, "err_mirkast_xCl.txt", LogSharing::exclusive,
};

constexpr ExportContract initiation_time_contract = {
    chloride::initiation_time_inputs, NanPolicy::accept, false, "err_mirkast_ti.txt", LogSharing::exclusive,
};

}  // namespace

DUR_EXPORT double DUR_CALL Mirkast_xCl(std::int32_t, double* inputs)
{
    return run_export<depth_contract, chloride::penetration_depth>(inputs);
}

DUR_EXPORT double DUR_CALL Mirkast_ti(std::int32_t, double* inputs)
{
    return run_export<initiation_time_contract, chloride::initiation_time>(inputs);
}
