#include "frame/screen_inputs.h"

#include <cstdio>
#include <iterator>

namespace dur {
namespace {

struct RuleText {
    InputRule rule;
    const char* format;
};

// The three message formats. Each ends in ", ", the only separator between
// the messages of one report.
const RuleText rule_texts[] = {
    {InputRule::NonNegative, "%i. variable \"%s\" is not correct (cannot be negative), "},
    {InputRule::Positive,    "%i. variable \"%s\" is not correct (cannot be negative nor zero), "},
    {InputRule::Percent,     "%i. variable \"%s\" is not correct (must be in the range 0-100), "},
};

const char* format_of(InputRule rule) noexcept
{
    for (const RuleText& t : rule_texts)
        if (t.rule == rule)
            return t.format;
    return rule_texts[0].format;
}

void append_message(ErrorReport& report, const InputSpec& row) noexcept
{
    const std::size_t room = ErrorReport::capacity - report.length;
    if (room <= 1)
        return;  // full: the tables of these plug-ins never get here
    const int written = std::snprintf(report.text + report.length, room, format_of(row.rule),
                                      row.position, row.name);
    if (written < 0)
        return;
    const std::size_t kept = static_cast<std::size_t>(written) < room ? static_cast<std::size_t>(written)
                                                                      : room - 1;
    report.length += kept;
}

}  // namespace

void screen_inputs(const double* inputs, std::span<const InputSpec> table, NanPolicy nan,
                   ErrorReport& report) noexcept
{
    report.length = 0;
    report.flagged = false;
    for (const InputSpec& row : table) {
        if (!breaks_rule(inputs[row.position - 1], row.rule, nan))
            continue;
        report.flagged = true;
        append_message(report, row);
    }
}

}  // namespace dur
