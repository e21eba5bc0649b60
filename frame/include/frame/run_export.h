// The five steps that every export runs, in their order: screen, sanitise
// (carbonation only), log, evaluate, return.
#ifndef FRAME_RUN_EXPORT_H
#define FRAME_RUN_EXPORT_H

#include <limits>
#include <span>

#include "frame/append_error_log.h"
#include "frame/error_report.h"
#include "frame/fp_environment.h"
#include "frame/input_spec.h"
#include "frame/sanitise_inputs.h"
#include "frame/screen_inputs.h"

namespace dur {

// What an export declares about itself; the model is passed separately.
struct ExportContract {
    std::span<const InputSpec> inputs;
    NanPolicy nan;
    bool sanitises;
    const char* log_name;
    LogSharing sharing;
};

using ModelFn = double (*)(const double* inputs) noexcept;

template <ModelFn model>
inline double run_export(const ExportContract& contract, double* inputs) noexcept
{
    // A null vector breaks the host's side of the contract; answer without
    // touching anything rather than crash the host.
    if (inputs == nullptr)
        return std::numeric_limits<double>::quiet_NaN();

    DefaultFpEnvironment fp;
    ErrorReport report;
    screen_inputs(inputs, contract.inputs, contract.nan, report);
    if (contract.sanitises)
        sanitise_inputs(inputs, contract.inputs);
    if (report.flagged)
        append_error_log(contract.log_name, report, contract.sharing);
    double result = model(inputs);
    DefaultFpEnvironment::settle(result);
    return result;
}

}  // namespace dur

#endif
