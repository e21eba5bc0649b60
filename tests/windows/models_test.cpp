// Every model's results from the DLLs, through stdcall as a host calls them.
//
// The C runtime's pow may round a cube or a square differently from the
// Linux one. Where an export uses pow, a difference of a few units in the
// last place is accepted and counted; everywhere else the bits must agree.
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "bits.h"
#include "known_values.h"
#include "model_cases.h"
#include "win_support.h"

namespace dur::test {
namespace {

constexpr std::uint64_t pow_tolerance_ulps = 4;

::testing::AssertionResult agrees_across_platforms(const std::string& export_name, double actual, double linux_value,
                                                   bool& inexact)
{
    inexact = false;
    if (same_double(actual, linux_value))
        return ::testing::AssertionSuccess();
    if (uses_pow(export_name) && std::isfinite(actual) && std::isfinite(linux_value) &&
        ulp_distance(actual, linux_value) <= pow_tolerance_ulps) {
        inexact = true;
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << export_name << ": got " << describe(actual) << ", Linux gives "
                                         << describe(linux_value);
}

TEST(WindowsModels, WorkedExamplesThroughStdcall)
{
    ScratchDir scratch;
    std::map<std::string, std::unique_ptr<WinPlugin>> plugins;
    for (const ModelCase& c : model_cases) {
        SCOPED_TRACE(std::string(c.export_name) + ": " + c.name);
        auto& plugin = plugins[plugin_of(c.export_name)];
        if (!plugin)
            plugin = std::make_unique<WinPlugin>(plugin_of(c.export_name));
        const dur_export_fn f = plugin->bind(c.export_name);
        for (const std::int32_t skew : {0, 4, 8, 12}) {
            std::vector<double> inputs = reference_with(c.export_name, c.changes);
            const StdcallResult r = call_stdcall(f, 7, inputs.data(), skew);
            EXPECT_EQ(r.stack_shift, 0) << "skew " << skew;
            EXPECT_TRUE(agrees_to_six_digits(r.value, c.published));
            bool inexact = false;
            EXPECT_TRUE(agrees_across_platforms(c.export_name, r.value, c.exact, inexact));
        }
    }
}

TEST(WindowsModels, KnownValuesAgreeWithLinux)
{
    const std::vector<KnownValue> rows = read_known_values(executable_dir() + "\\known_values.csv");
    ASSERT_EQ(rows.size(), 1800u);
    ScratchDir scratch;
    std::map<std::string, std::unique_ptr<WinPlugin>> plugins;
    std::map<std::string, int> exact, within_ulps;
    for (const KnownValue& row : rows) {
        auto& plugin = plugins[plugin_of(row.export_name)];
        if (!plugin)
            plugin = std::make_unique<WinPlugin>(plugin_of(row.export_name));
        std::vector<double> inputs = row.inputs;
        const StdcallResult r = call_stdcall(plugin->bind(row.export_name.c_str()), 0, inputs.data());
        ASSERT_EQ(r.stack_shift, 0);
        bool inexact = false;
        EXPECT_TRUE(agrees_across_platforms(row.export_name, r.value, row.expected, inexact));
        ++(inexact ? within_ulps : exact)[row.export_name];
    }
    std::printf("agreement with the Linux plug-ins over %zu known values:\n", rows.size());
    for (const auto& [name, count] : exact)
        std::printf("  %-12s %4d same bits, %3d within %llu ulp (pow)\n", name.c_str(), count, within_ulps[name],
                    static_cast<unsigned long long>(pow_tolerance_ulps));
}

}  // namespace
}  // namespace dur::test
