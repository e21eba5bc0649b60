#ifndef FRAME_SCREEN_INPUTS_H
#define FRAME_SCREEN_INPUTS_H

#include <span>

#include "frame/error_report.h"
#include "frame/input_spec.h"

namespace dur {

// Whether `value` breaks `rule` under the plug-in's NaN policy.
bool breaks_rule(double value, InputRule rule, NanPolicy nan) noexcept;

// Tests every row of `table` against the host's vector (read only) and
// collects one message per failing row, in the table's order.
void screen_inputs(const double* inputs, std::span<const InputSpec> table, NanPolicy nan,
                   ErrorReport& report) noexcept;

}  // namespace dur

#endif
