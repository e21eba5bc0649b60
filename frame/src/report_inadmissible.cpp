#include "frame/append_error_log.h"
#include "frame/error_report.h"
#include "frame/run_export.h"
#include "frame/sanitise_inputs.h"
#include "frame/screen_inputs.h"

namespace dur {

void report_inadmissible(const ExportContract& contract, double* inputs) noexcept
{
    ErrorReport report;
    screen_inputs(inputs, contract.inputs, contract.nan, report);
    if (contract.sanitises)
        sanitise_inputs(inputs, contract.inputs);
    if (report.flagged)
        append_error_log(contract.log_name, report, contract.sharing);
}

}  // namespace dur
