// What a host sees of the chloride plug-in besides its results: a vector it
// never writes, one log per export, and calls that cannot be stopped.
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bits.h"
#include "child_process.h"
#include "plugin_library.h"
#include "reference_vectors.h"
#include "scratch_dir.h"

namespace dur::test {
namespace {

constexpr const char* xcl_log = "err_mirkast_xCl.txt";
constexpr const char* ti_log = "err_mirkast_ti.txt";

class Mirkast : public ::testing::Test {
protected:
    ScratchDir scratch;
    PluginLibrary plugin{plugin_path("Mirkast")};
    dur_export_fn xCl = plugin.bind("Mirkast_xCl");
    dur_export_fn ti = plugin.bind("Mirkast_ti");
};

TEST_F(Mirkast, AdmissibleCallsCreateNoLog)
{
    std::vector<double> v = reference_with("Mirkast", {});
    xCl(0, v.data());
    ti(0, v.data());
    EXPECT_EQ(scratch.entry_count(), 0u);
}

TEST_F(Mirkast, VectorIsUnchangedToTheBit)
{
    const std::vector<std::vector<Change>> variants = {
        {},
        {{2, -1.0}, {7, -175.0}, {15, -0.0}},
        {{1, nan}, {3, -inf}, {5, -2.0}, {16, -1.0}},
        {{4, 0.0}, {8, 0.0}, {6, nan}},
    };
    for (const auto& changes : variants) {
        for (dur_export_fn f : {xCl, ti}) {
            std::vector<double> v = reference_with("Mirkast", changes);
            const std::vector<double> before = v;
            f(0, v.data());
            ASSERT_EQ(std::memcmp(v.data(), before.data(), v.size() * sizeof(double)), 0);
        }
    }
}

TEST_F(Mirkast, NothingPastPosition16IsTouched)
{
    // Exactly 16 elements on the heap: a read past the end shows under
    // AddressSanitizer. The guarded copy shows writes everywhere.
    auto exact = std::make_unique<double[]>(16);
    std::vector<double> guarded = reference_with("Mirkast", {{2, -1.0}, {1, -1.0}});
    std::memcpy(exact.get(), guarded.data(), 16 * sizeof(double));
    const double guard = -12345.678;
    guarded.insert(guarded.end(), {guard, nan, guard});
    for (dur_export_fn f : {xCl, ti}) {
        EXPECT_TRUE(same_double(f(0, exact.get()), f(0, guarded.data())));
        EXPECT_EQ(bits(guarded[16]), bits(guard));
        EXPECT_TRUE(std::isnan(guarded[17]));
        EXPECT_EQ(bits(guarded[18]), bits(guard));
    }
}

TEST_F(Mirkast, EachExportReportsIntoItsOwnLogByteExact)
{
    std::vector<double> v = reference_with("Mirkast", {{1, -1.0}, {2, -1.0}, {3, -1.0}, {8, -1.0}, {15, -1.0}});
    xCl(0, v.data());
    ti(0, v.data());
    EXPECT_EQ(read_file(xcl_log),
              "2. variable \"time of exposure\" is not correct (cannot be negative), "
              "3. variable \"concentration of chlor. on nearest surface\" is not correct (cannot be negative), "
              "8. variable \"unit content of cement\" is not correct (cannot be negative), "
              "15. variable \"specific gravity of aggr. III\" is not correct (cannot be negative), \n");
    EXPECT_EQ(read_file(ti_log),
              "1. variable \"concrete cover\" is not correct (cannot be negative), "
              "3. variable \"concentration of chlor. on nearest surface\" is not correct (cannot be negative), "
              "8. variable \"unit content of cement\" is not correct (cannot be negative), "
              "15. variable \"specific gravity of aggr. III\" is not correct (cannot be negative), \n");
}

TEST_F(Mirkast, EveryScreenedPositionCanBeReported)
{
    std::vector<double> v(16, -1.0);
    xCl(0, v.data());
    ti(0, v.data());
    const std::string xcl_text = read_file(xcl_log);
    const std::string ti_text = read_file(ti_log);
    // Longest reports of the two tables.
    EXPECT_EQ(xcl_text.size(), 1040u + 1u);
    EXPECT_EQ(ti_text.size(), 1129u + 1u);
    EXPECT_EQ(xcl_text.rfind("2. variable", 0), 0u);
    EXPECT_EQ(xcl_text.find(", 5. variable"), std::string::npos);
    EXPECT_EQ(xcl_text.find("16. variable"), std::string::npos);
    EXPECT_EQ(ti_text.rfind("1. variable", 0), 0u);
    EXPECT_EQ(ti_text.find(", 2. variable"), std::string::npos);
    EXPECT_EQ(ti_text.find("16. variable"), std::string::npos);
}

TEST_F(Mirkast, UnscreenedPositionsAreNeverReported)
{
    std::vector<double> depth_only = reference_with("Mirkast", {{1, -1.0}, {5, -1.0}, {16, -1.0}});
    xCl(0, depth_only.data());
    std::vector<double> time_only = reference_with("Mirkast", {{2, -1.0}, {16, -1.0}});
    ti(0, time_only.data());
    EXPECT_EQ(scratch.entry_count(), 0u);
}

TEST_F(Mirkast, NanAndNegativeZeroPassScreening)
{
    std::vector<double> v = reference_with("Mirkast", {{3, nan}, {6, -0.0}, {7, nan}, {1, nan}, {2, -0.0}});
    EXPECT_TRUE(std::isnan(xCl(0, v.data())));
    EXPECT_TRUE(std::isnan(ti(0, v.data())));
    EXPECT_EQ(scratch.entry_count(), 0u);
}

TEST_F(Mirkast, ReportingCallsAppendInCallOrder)
{
    std::vector<double> first = reference_with("Mirkast", {{7, -175.0}});
    std::vector<double> second = reference_with("Mirkast", {{12, -1.0}});
    xCl(0, first.data());
    xCl(0, second.data());
    EXPECT_EQ(read_file(xcl_log),
              "7. variable \"unit content of water\" is not correct (cannot be negative), \n"
              "12. variable \"specific gravity of cement\" is not correct (cannot be negative), \n");
}

TEST_F(Mirkast, FirstArgumentChangesNothing)
{
    std::vector<double> v = reference_with("Mirkast", {{7, -175.0}});
    const double a = ti(0, v.data());
    const double b = ti(-1, v.data());
    const double c = ti(0x7fffffff, v.data());
    EXPECT_EQ(bits(a), bits(b));
    EXPECT_EQ(bits(a), bits(c));
    const std::string line = "7. variable \"unit content of water\" is not correct (cannot be negative), \n";
    EXPECT_EQ(read_file(ti_log), line + line + line);
}

TEST_F(Mirkast, NullVectorGivesNanAndTouchesNothing)
{
    EXPECT_TRUE(std::isnan(xCl(0, nullptr)));
    EXPECT_TRUE(std::isnan(ti(0, nullptr)));
    EXPECT_EQ(scratch.entry_count(), 0u);
}

TEST_F(Mirkast, LogFollowsTheWorkingDirectory)
{
    std::vector<double> v = reference_with("Mirkast", {{8, -1.0}});
    xCl(0, v.data());
    std::filesystem::create_directory("later");
    std::filesystem::current_path("later");
    xCl(0, v.data());
    std::filesystem::current_path(scratch.path());
    const std::string line = "8. variable \"unit content of cement\" is not correct (cannot be negative), \n";
    EXPECT_EQ(read_file(xcl_log), line);
    EXPECT_EQ(read_file(std::filesystem::path("later") / xcl_log), line);
}

// Whatever stands in the way of the log, the result is the one a writable
// log gives.
TEST_F(Mirkast, UnusableLogChangesNoResult)
{
    std::vector<double> v = reference_with("Mirkast", {{7, -175.0}, {1, -5.0}});
    const double depth = xCl(0, v.data());
    const double time = ti(0, v.data());
    std::filesystem::remove(xcl_log);
    std::filesystem::remove(ti_log);

    // A directory where each log should be.
    std::filesystem::create_directory(xcl_log);
    std::filesystem::create_directory(ti_log);
    EXPECT_EQ(bits(xCl(0, v.data())), bits(depth));
    EXPECT_EQ(bits(ti(0, v.data())), bits(time));
    EXPECT_TRUE(std::filesystem::is_empty(xcl_log));

    // A working directory that no longer exists.
    std::filesystem::create_directory("gone");
    std::filesystem::current_path("gone");
    std::filesystem::remove(scratch.path() / "gone");
    EXPECT_EQ(bits(xCl(0, v.data())), bits(depth));
    EXPECT_EQ(bits(ti(0, v.data())), bits(time));
    std::filesystem::current_path(scratch.path());

    // A working directory that cannot be written.
    std::filesystem::create_directory("locked");
    std::filesystem::permissions("locked", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                               std::filesystem::perms::others_read |
                                               std::filesystem::perms::others_exec);
    std::filesystem::current_path("locked");
    const dur_export_fn xcl_fn = xCl, ti_fn = ti;
    const int status = run_in_child([&] {
        std::vector<double> w = v;
        return bits(xcl_fn(0, w.data())) == bits(depth) && bits(ti_fn(0, w.data())) == bits(time) ? 0 : 1;
    }, true);
    std::filesystem::current_path(scratch.path());
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(std::filesystem::is_empty("locked"));
    EXPECT_EQ(scratch.entry_count(), 3u);  // the two directories and "locked"
}

}  // namespace
}  // namespace dur::test
