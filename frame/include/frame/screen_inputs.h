#ifndef FRAME_SCREEN_INPUTS_H
#define FRAME_SCREEN_INPUTS_H

#include <span>

#include "frame/error_report.h"
#include "frame/input_table.h"

namespace dur {

// Whether `value` breaks `rule` under the plug-in's NaN policy. Written as
// "not admissible" so that NaN, which fails every comparison, is reported;
// the accepting policy asks "beyond the bound" instead.
constexpr bool breaks_rule(double value, InputRule rule, NanPolicy nan) noexcept
{
    const bool reports_nan = nan == NanPolicy::report;
    switch (rule) {
    case InputRule::NonNegative:
        return reports_nan ? !(value >= 0.0) : value < 0.0;
    case InputRule::Positive:
        return reports_nan ? !(value > 0.0) : value <= 0.0;
    case InputRule::Percent:
        return reports_nan ? (!(value >= 0.0) || value > 100.0) : (value < 0.0 || value > 100.0);
    }
    return false;
}

// Tests every row of `table` against the host's vector (read only) and
// collects one message per failing row, in the table's order.
void screen_inputs(const double* inputs, std::span<const InputSpec> table, NanPolicy nan,
                   ErrorReport& report) noexcept;

}  // namespace dur

#endif
