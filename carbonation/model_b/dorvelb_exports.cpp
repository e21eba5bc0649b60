// The export surface of carbonation plug-in B: the only two symbols it shows.
//
// As plug-in A, with its own log; the humidity factor replaces the closed
// form and the relative humidity is not clamped.
#include "carbonation_inputs.h"
#include "frame/plugin_api.h"
#include "frame/run_export.h"
#include "model_b.h"

namespace {

using namespace dur;

constexpr ExportContract contract = {
    carbonation::screened_inputs, NanPolicy::report, true, "err_dorvelb.txt", LogSharing::shared,
};

}  // namespace

DUR_EXPORT double DUR_CALL dorvelb_xc(std::int32_t, double* inputs)
{
    return run_export<contract, carbonation::model_b::depth>(inputs);
}

DUR_EXPORT double DUR_CALL dorvelb_ti(std::int32_t, double* inputs)
{
    return run_export<contract, carbonation::model_b::initiation_time>(inputs);
}
