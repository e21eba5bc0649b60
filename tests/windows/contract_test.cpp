// What a Windows host sees besides the results: logs in text mode (CR LF),
// the sanitised vector, and whole lines from concurrent threads.
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "bits.h"
#include "reference_vectors.h"
#include "win_support.h"

namespace dur::test {
namespace {

TEST(WindowsLogs, MirkastLinesEndInCrLfByteExact)
{
    ScratchDir scratch;
    WinPlugin plugin("Mirkast");
    std::vector<double> v = reference_with("Mirkast", {{1, -1.0}, {2, -1.0}, {3, -1.0}, {8, -1.0}, {15, -1.0}});
    const std::vector<double> before = v;
    EXPECT_EQ(call_stdcall(plugin.bind("Mirkast_xCl"), 0, v.data()).stack_shift, 0);
    EXPECT_EQ(call_stdcall(plugin.bind("Mirkast_ti"), 0, v.data()).stack_shift, 0);
    EXPECT_EQ(std::memcmp(v.data(), before.data(), v.size() * sizeof(double)), 0);
    EXPECT_EQ(read_file("err_mirkast_xCl.txt"),
              "2. variable \"time of exposure\" is not correct (cannot be negative), "
              "3. variable \"concentration of chlor. on nearest surface\" is not correct (cannot be negative), "
              "8. variable \"unit content of cement\" is not correct (cannot be negative), "
              "15. variable \"specific gravity of aggr. III\" is not correct (cannot be negative), \r\n");
    EXPECT_EQ(read_file("err_mirkast_ti.txt"),
              "1. variable \"concrete cover\" is not correct (cannot be negative), "
              "3. variable \"concentration of chlor. on nearest surface\" is not correct (cannot be negative), "
              "8. variable \"unit content of cement\" is not correct (cannot be negative), "
              "15. variable \"specific gravity of aggr. III\" is not correct (cannot be negative), \r\n");
}

class WindowsCarbonation : public ::testing::TestWithParam<const char*> {};

TEST_P(WindowsCarbonation, SanitisesAndLogsWithCrLf)
{
    ScratchDir scratch;
    const std::string base = GetParam();
    WinPlugin plugin(base);
    const dur_export_fn xc = plugin.bind((base + "_xc").c_str());
    const dur_export_fn ti = plugin.bind((base + "_ti").c_str());

    std::vector<double> v = reference_with(base, {{2, -3.5}, {3, nan}, {4, 120.0}, {5, 0.0}, {6, -0.0}, {14, -1.0}});
    EXPECT_EQ(call_stdcall(xc, 0, v.data()).stack_shift, 0);
    EXPECT_EQ(bits(v[1]), bits(0.0));
    EXPECT_EQ(bits(v[2]), bits(0.0));
    EXPECT_EQ(v[3], 120.0);
    EXPECT_EQ(bits(v[4]), bits(0.0));
    EXPECT_EQ(bits(v[5]), bits(-0.0));
    EXPECT_EQ(v[13], -1.0);
    EXPECT_EQ(call_stdcall(ti, 0, v.data()).stack_shift, 0);

    const std::string first =
        "2. variable \"time\" is not correct (cannot be negative), "
        "3. variable \"CO2 content in the atmosphere\" is not correct (cannot be negative), "
        "4. variable \"relative humidity\" is not correct (must be in the range 0-100), "
        "5. variable \"unit content of cement\" is not correct (cannot be negative nor zero), \r\n";
    const std::string second =
        "4. variable \"relative humidity\" is not correct (must be in the range 0-100), "
        "5. variable \"unit content of cement\" is not correct (cannot be negative nor zero), \r\n";
    EXPECT_EQ(read_file("err_" + base + ".txt"), first + second);
    EXPECT_EQ(scratch.entry_count(), 1u);
}

TEST_P(WindowsCarbonation, NullVectorGivesNan)
{
    ScratchDir scratch;
    const std::string base = GetParam();
    WinPlugin plugin(base);
    const StdcallResult r = call_stdcall(plugin.bind((base + "_xc").c_str()), 0, nullptr);
    EXPECT_EQ(r.stack_shift, 0);
    EXPECT_TRUE(std::isnan(r.value));
    EXPECT_EQ(scratch.entry_count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Plugins, WindowsCarbonation, ::testing::Values("dorvela", "dorvelb"));

struct Target {
    const char* export_name;
    const char* log;
};

class WindowsLogConcurrency : public ::testing::TestWithParam<Target> {};

// Eight threads report at once, each its own line: every line arrives whole.
TEST_P(WindowsLogConcurrency, NoLineLostOrMixed)
{
    constexpr int threads = 8;
    constexpr int calls = 250;
    const Target target = GetParam();
    ScratchDir scratch;
    WinPlugin plugin(plugin_of(target.export_name));
    const dur_export_fn f = plugin.bind(target.export_name);

    std::vector<std::thread> workers;
    for (int i = 0; i < threads; ++i) {
        workers.emplace_back([&, i] {
            for (int n = 0; n < calls; ++n) {
                std::vector<double> v = reference_with(target.export_name, {{screened_everywhere(i), -1.0}});
                call_stdcall(f, 0, v.data());
            }
        });
    }
    for (std::thread& w : workers)
        w.join();

    const std::string text = read_file(target.log);
    std::map<std::string, int> seen;
    std::size_t start = 0;
    int total = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "unterminated line";
        ++seen[text.substr(start, end - start)];
        ++total;
        start = end + 2;
    }
    EXPECT_EQ(total, threads * calls);
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(threads));
    for (const auto& [line, count] : seen) {
        EXPECT_EQ(count, calls) << line;
        EXPECT_EQ(line.find("variable"), line.find('.') + 2) << line;          // one message per line
        EXPECT_EQ(line.find("variable", line.find('.') + 3), std::string::npos) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Logs, WindowsLogConcurrency,
                         ::testing::Values(Target{"Mirkast_ti", "err_mirkast_ti.txt"},
                                           Target{"dorvela_xc", "err_dorvela.txt"},
                                           Target{"dorvelb_xc", "err_dorvelb.txt"}),
                         [](const auto& named) { return std::string(named.param.export_name); });

}  // namespace
}  // namespace dur::test
