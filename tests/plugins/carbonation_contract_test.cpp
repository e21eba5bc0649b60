// What a host sees of the carbonation plug-ins besides their results: the
// sanitised vector, one log per plug-in, and the humidity clamp of model A.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bits.h"
#include "plugin_library.h"
#include "reference_vectors.h"
#include "scratch_dir.h"

namespace dur::test {
namespace {

struct CarbonationPlugin {
    const char* base;
    const char* log;
};

class Carbonation : public ::testing::TestWithParam<CarbonationPlugin> {
protected:
    ScratchDir scratch;
    PluginLibrary plugin{plugin_path(GetParam().base)};
    dur_export_fn xc = plugin.bind((std::string(GetParam().base) + "_xc").c_str());
    dur_export_fn ti = plugin.bind((std::string(GetParam().base) + "_ti").c_str());

    std::vector<double> reference(const std::vector<Change>& changes) const
    {
        return reference_with(GetParam().base, changes);
    }
};

struct SanitiseCase {
    int position;
    double passed;
    double seen_after;
};

const SanitiseCase sanitise_cases[] = {
    { 2, -3.5,  0.0},
    { 2,  nan,  0.0},
    { 2, -0.0, -0.0},   // not below zero: left as it is
    { 4,  120.0, 120.0},// reported, but not negative
    { 5,  0.0,  0.0},   // Positive rule reports it; nothing to sanitise
    { 3, -inf,  0.0},
    {13, -1.0,  0.0},
    {14, -1.0, -1.0},   // the result factor is not screened
    {14,  nan,  nan},
};

TEST_P(Carbonation, SanitisesTheHostsArrayInPlace)
{
    for (dur_export_fn f : {xc, ti}) {
        for (const SanitiseCase& c : sanitise_cases) {
            SCOPED_TRACE("position " + std::to_string(c.position) + " = " + describe(c.passed));
            std::vector<double> v = reference({{c.position, c.passed}});
            std::vector<double> expected = v;
            expected[static_cast<std::size_t>(c.position - 1)] = c.seen_after;
            f(0, v.data());
            for (std::size_t i = 0; i < v.size(); ++i)
                EXPECT_TRUE(std::isnan(expected[i]) ? std::isnan(v[i]) : bits(v[i]) == bits(expected[i])) << i;
        }
    }
}

TEST_P(Carbonation, NothingPastPosition14IsTouched)
{
    auto exact = std::make_unique<double[]>(14);
    std::vector<double> guarded = reference({{1, -1.0}, {4, nan}});
    std::memcpy(exact.get(), guarded.data(), 14 * sizeof(double));
    const double guard = -4321.5;
    guarded.insert(guarded.end(), {guard, nan, guard});
    std::vector<double> exact_copy(exact.get(), exact.get() + 14);
    EXPECT_TRUE(same_double(xc(0, exact.get()), xc(0, guarded.data())));
    EXPECT_EQ(bits(guarded[14]), bits(guard));
    EXPECT_TRUE(std::isnan(guarded[15]));
    EXPECT_EQ(bits(guarded[16]), bits(guard));
}

TEST_P(Carbonation, SecondCallOnTheSameArrayReportsNothingAndAgrees)
{
    std::vector<double> v = reference({{2, -3.5}});
    const double first = xc(0, v.data());
    const std::string after_first = read_file(GetParam().log);
    const double second = xc(0, v.data());
    EXPECT_EQ(bits(first), bits(second));
    EXPECT_EQ(read_file(GetParam().log), after_first);
    EXPECT_EQ(after_first, "2. variable \"time\" is not correct (cannot be negative), \n");
}

TEST_P(Carbonation, BothExportsAppendToTheOnePluginLog)
{
    std::vector<double> v = reference({{4, 120.0}, {5, 0.0}});
    xc(0, v.data());
    ti(0, v.data());
    const std::string line =
        "4. variable \"relative humidity\" is not correct (must be in the range 0-100), "
        "5. variable \"unit content of cement\" is not correct (cannot be negative nor zero), \n";
    EXPECT_EQ(read_file(GetParam().log), line + line);
    EXPECT_EQ(scratch.entry_count(), 1u);
}

TEST_P(Carbonation, EveryScreenedPositionCanBeReported)
{
    std::vector<double> v(14, nan);
    xc(0, v.data());
    const std::string text = read_file(GetParam().log);
    EXPECT_EQ(text.size(), 1010u + 1u);
    EXPECT_EQ(text.rfind("1. variable \"concrete cover\"", 0), 0u);
    EXPECT_NE(text.find("13. variable \"spec. gravity of aggr. III\" is not correct (cannot be negative nor zero), \n"),
              std::string::npos);
    // The NaN at position 14 is neither reported nor changed.
    EXPECT_EQ(text.find("14."), std::string::npos);
    EXPECT_TRUE(std::isnan(v[13]));
}

TEST_P(Carbonation, AdmissibleCallsCreateNoLog)
{
    std::vector<double> v = reference({{4, 100.0}, {2, 0.0}, {3, -0.0}});
    xc(0, v.data());
    ti(0, v.data());
    EXPECT_EQ(scratch.entry_count(), 0u);
}

TEST_P(Carbonation, NullVectorGivesNanAndTouchesNothing)
{
    EXPECT_TRUE(std::isnan(xc(0, nullptr)));
    EXPECT_TRUE(std::isnan(ti(0, nullptr)));
    EXPECT_EQ(scratch.entry_count(), 0u);
}

TEST_P(Carbonation, ExportsDoNotDependOnCallOrder)
{
    std::vector<double> v = reference({});
    const double depth_first = xc(0, v.data());
    const double time_second = ti(0, v.data());
    const double time_first = ti(0, v.data());
    const double depth_second = xc(0, v.data());
    EXPECT_EQ(bits(depth_first), bits(depth_second));
    EXPECT_EQ(bits(time_first), bits(time_second));
}

INSTANTIATE_TEST_SUITE_P(Plugins, Carbonation,
                         ::testing::Values(CarbonationPlugin{"dorvela", "err_dorvela.txt"},
                                           CarbonationPlugin{"dorvelb", "err_dorvelb.txt"}),
                         [](const auto& named) { return std::string(named.param.base); });

// Model A clamps a humidity above 100 for its formula, model B does not; both
// leave 120 in the host's array and both give a zero depth.
TEST(CarbonationHumidity, ClampIsModelAsAlone)
{
    ScratchDir scratch;
    PluginLibrary a(plugin_path("dorvela"));
    PluginLibrary b(plugin_path("dorvelb"));
    std::vector<double> va = reference_with("dorvela", {{4, 120.0}});
    std::vector<double> vb = va;
    EXPECT_EQ(bits(a.bind("dorvela_xc")(0, va.data())), bits(0.0));
    EXPECT_EQ(bits(b.bind("dorvelb_xc")(0, vb.data())), bits(0.0));
    EXPECT_EQ(va[3], 120.0);
    EXPECT_EQ(vb[3], 120.0);
    // Above 100 the clamped model A and the unclamped model B meet again in
    // the initiation time: both take K as the substitute.
    EXPECT_EQ(bits(a.bind("dorvela_ti")(0, va.data())), bits(b.bind("dorvelb_ti")(0, vb.data())));
    // A humidity of 5 separates them: model B's factor is 0 there.
    std::vector<double> low_a = reference_with("dorvela", {{4, 5.0}});
    std::vector<double> low_b = low_a;
    EXPECT_GT(a.bind("dorvela_xc")(0, low_a.data()), 0.0);
    EXPECT_EQ(b.bind("dorvelb_xc")(0, low_b.data()), 0.0);
    EXPECT_EQ(scratch.entry_count(), 2u);  // one log per plug-in
}

}  // namespace
}  // namespace dur::test
