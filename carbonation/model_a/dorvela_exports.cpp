// The export surface of carbonation plug-in A: the only two symbols it shows.
//
// Both exports screen and sanitise positions 1 to 13 of the host's vector and
// append to one log, opened shared so that other writers may append at once.
#include "carbonation_inputs.h"
#include "frame/plugin_api.h"
#include "frame/run_export.h"
#include "model_a.h"

namespace {

using namespace dur;

constexpr ExportContract contract = {
    carbonation::screened_inputs, NanPolicy::report, true, "err_dorvela.txt", LogSharing::shared,
};

}  // namespace

DUR_EXPORT double DUR_CALL dorvela_xc(std::int32_t, double* inputs)
{
    return run_export<contract, carbonation::model_a::depth>(inputs);
}

DUR_EXPORT double DUR_CALL dorvela_ti(std::int32_t, double* inputs)
{
    return run_export<contract, carbonation::model_a::initiation_time>(inputs);
}
