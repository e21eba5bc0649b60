// Screening and sanitising, on small tables that show each rule.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bits.h"
#include "frame/sanitise_inputs.h"
#include "frame/screen_inputs.h"
#include "reference_vectors.h"

namespace dur::test {
namespace {

struct RuleCase {
    double value;
    InputRule rule;
    bool reported_by_mirkast;      // NaN accepted
    bool reported_by_carbonation;  // NaN reported
};

const RuleCase rule_cases[] = {
    // value    rule                    chloride  carbonation
    { 0.0,      InputRule::NonNegative, false,    false},
    {-0.0,      InputRule::NonNegative, false,    false},
    { 1e-300,   InputRule::NonNegative, false,    false},
    {-1e-300,   InputRule::NonNegative, true,     true },
    { inf,      InputRule::NonNegative, false,    false},
    {-inf,      InputRule::NonNegative, true,     true },
    { nan,      InputRule::NonNegative, false,    true },
    { 0.0,      InputRule::Positive,    true,     true },
    {-0.0,      InputRule::Positive,    true,     true },
    { 1e-300,   InputRule::Positive,    false,    false},
    { inf,      InputRule::Positive,    false,    false},
    {-inf,      InputRule::Positive,    true,     true },
    { nan,      InputRule::Positive,    false,    true },
    { 0.0,      InputRule::Percent,     false,    false},
    {-0.0,      InputRule::Percent,     false,    false},
    { 100.0,    InputRule::Percent,     false,    false},
    { 100.0001, InputRule::Percent,     true,     true },
    {-0.5,      InputRule::Percent,     true,     true },
    { inf,      InputRule::Percent,     true,     true },
    {-inf,      InputRule::Percent,     true,     true },
    { nan,      InputRule::Percent,     false,    true },
};

TEST(BreaksRule, FollowsEachPluginsNanPolicy)
{
    for (const RuleCase& c : rule_cases) {
        SCOPED_TRACE(describe(c.value) + " rule " + std::to_string(static_cast<int>(c.rule)));
        EXPECT_EQ(breaks_rule(c.value, c.rule, NanPolicy::accept), c.reported_by_mirkast);
        EXPECT_EQ(breaks_rule(c.value, c.rule, NanPolicy::report), c.reported_by_carbonation);
    }
}

struct FormatCase {
    InputSpec row;
    const char* message;
};

const FormatCase format_cases[] = {
    {{7, "unit content of water", InputRule::NonNegative},
     "7. variable \"unit content of water\" is not correct (cannot be negative), "},
    {{5, "unit content of cement", InputRule::Positive},
     "5. variable \"unit content of cement\" is not correct (cannot be negative nor zero), "},
    {{4, "relative humidity", InputRule::Percent},
     "4. variable \"relative humidity\" is not correct (must be in the range 0-100), "},
    {{13, "spec. gravity of aggr. III", InputRule::Positive},
     "13. variable \"spec. gravity of aggr. III\" is not correct (cannot be negative nor zero), "},
};

TEST(ScreenInputs, FormatsEachRulesMessageExactly)
{
    for (const FormatCase& c : format_cases) {
        std::vector<double> inputs(static_cast<std::size_t>(c.row.position), -1.0);
        ErrorReport report;
        screen_inputs(inputs.data(), std::span(&c.row, 1), NanPolicy::report, report);
        ASSERT_TRUE(report.flagged);
        EXPECT_EQ(std::string(report.text, report.length), c.message);
        EXPECT_EQ(report.text[report.length], '\0');
    }
}

const InputSpec gapped_table[] = {
    {2, "b", InputRule::NonNegative},
    {4, "d", InputRule::Positive},
    {9, "i", InputRule::Percent},
};

TEST(ScreenInputs, ReportsEveryFailingRowInAscendingOrderWithPositionGaps)
{
    std::vector<double> inputs(9, 1.0);
    inputs[1] = -2.0;   // position 2
    inputs[3] = 0.0;    // position 4
    inputs[8] = 101.0;  // position 9
    ErrorReport report;
    screen_inputs(inputs.data(), gapped_table, NanPolicy::report, report);
    EXPECT_TRUE(report.flagged);
    EXPECT_EQ(std::string(report.text, report.length),
              "2. variable \"b\" is not correct (cannot be negative), "
              "4. variable \"d\" is not correct (cannot be negative nor zero), "
              "9. variable \"i\" is not correct (must be in the range 0-100), ");
}

TEST(ScreenInputs, AdmissibleVectorLeavesTheBufferUntouched)
{
    std::vector<double> inputs(9, 1.0);
    ErrorReport report;
    std::memset(report.text, 'Z', sizeof report.text);
    report.length = 77;
    report.flagged = true;
    screen_inputs(inputs.data(), gapped_table, NanPolicy::report, report);
    EXPECT_FALSE(report.flagged);
    EXPECT_EQ(report.length, 0u);
    // Nothing cleared or formatted: the admissible path does not pay for it.
    EXPECT_EQ(std::string(report.text, 16), std::string(16, 'Z'));
}

TEST(ScreenInputs, StopsAtTheBufferWithoutOverrunning)
{
    // A name long enough that three messages overflow 5000 characters.
    const std::string long_name(2400, 'n');
    const InputSpec table[] = {
        {1, long_name.c_str(), InputRule::NonNegative},
        {2, long_name.c_str(), InputRule::NonNegative},
        {3, long_name.c_str(), InputRule::NonNegative},
    };
    const double inputs[] = {-1.0, -1.0, -1.0};
    ErrorReport report;
    screen_inputs(inputs, table, NanPolicy::accept, report);
    EXPECT_TRUE(report.flagged);
    EXPECT_EQ(report.length, ErrorReport::capacity - 1);
    EXPECT_EQ(report.text[report.length], '\0');
}

struct SanitiseCase {
    double before;
    double after;
};

const SanitiseCase sanitise_cases[] = {
    {-3.5,   0.0},
    { nan,   0.0},
    {-inf,   0.0},
    {-0.0,  -0.0},  // not below zero: stays negative zero
    { inf,   inf},
    { 0.0,   0.0},
    { 120.0, 120.0},
};

TEST(SanitiseInputs, ZeroesNegativeAndNanWhateverTheRule)
{
    for (const InputRule rule : {InputRule::NonNegative, InputRule::Positive, InputRule::Percent}) {
        for (const SanitiseCase& c : sanitise_cases) {
            SCOPED_TRACE(describe(c.before));
            const InputSpec row[] = {{2, "x", rule}};
            double inputs[] = {-7.0, c.before, -9.0};
            sanitise_inputs(inputs, row);
            EXPECT_EQ(bits(inputs[1]), bits(c.after));
            EXPECT_EQ(inputs[0], -7.0);  // positions without a row stay
            EXPECT_EQ(inputs[2], -9.0);
        }
    }
}

}  // namespace
}  // namespace dur::test
