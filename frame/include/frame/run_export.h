// The five steps that every export runs, in their order: screen, sanitise
// (carbonation only), log, evaluate, return.
//
// Almost every call a host makes is admissible, so the admissible path is
// kept to a few comparisons: the rows of the export's table are tested inline,
// unrolled at compile time, and only a vector with something to report goes
// through the out-of-line path that builds the report, sanitises and appends
// to the log. Both paths apply the same tests.
#ifndef FRAME_RUN_EXPORT_H
#define FRAME_RUN_EXPORT_H

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <utility>

#include "frame/append_error_log.h"
#include "frame/fp_environment.h"
#include "frame/input_table.h"
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

// Screens, sanitises if the export does, and appends the report: the path of
// a vector that breaks a rule.
void report_inadmissible(const ExportContract& contract, double* inputs) noexcept;

namespace detail {

template <const ExportContract& contract, std::size_t... row>
inline bool any_row_breaks(const double* inputs, std::index_sequence<row...>) noexcept
{
    // Bitwise or: every row is tested, without a branch per row.
    return (static_cast<unsigned>(
                breaks_rule(inputs[contract.inputs[row].position - 1], contract.inputs[row].rule, contract.nan)) |
            ...) != 0;
}

// A table of NonNegative rows that lets NaN through can only be broken by a
// value whose sign bit is set. One OR over the bit patterns rules that out
// for nearly every vector; -0.0 and -NaN, which also carry the sign, go on
// to the exact comparisons.
template <const ExportContract& contract>
constexpr bool sign_bit_decides() noexcept
{
    if (contract.nan != NanPolicy::accept)
        return false;
    for (const InputSpec& row : contract.inputs)
        if (row.rule != InputRule::NonNegative)
            return false;
    return true;
}

template <const ExportContract& contract, std::size_t... row>
inline bool any_sign_bit(const double* inputs, std::index_sequence<row...>) noexcept
{
    return ((std::bit_cast<std::uint64_t>(inputs[contract.inputs[row].position - 1])) | ...) >> 63;
}

template <const ExportContract& contract>
inline bool any_input_breaks(const double* inputs) noexcept
{
    constexpr auto rows = std::make_index_sequence<contract.inputs.size()>{};
    if constexpr (sign_bit_decides<contract>())
        if (!any_sign_bit<contract>(inputs, rows)) [[likely]]
            return false;
    return any_row_breaks<contract>(inputs, rows);
}

}  // namespace detail

template <const ExportContract& contract, ModelFn model>
inline double run_export(double* inputs) noexcept
{
    // A null vector breaks the host's side of the contract; answer without
    // touching anything rather than crash the host.
    if (inputs == nullptr)
        return std::numeric_limits<double>::quiet_NaN();

    DefaultFpEnvironment fp;
    if (detail::any_input_breaks<contract>(inputs)) [[unlikely]]
        report_inadmissible(contract, inputs);
    double result = model(inputs);
    DefaultFpEnvironment::settle(result);
    return result;
}

}  // namespace dur

#endif
