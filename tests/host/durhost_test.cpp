// durhost from the outside: its commands, its files and its exit codes.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <boost/math/distributions/normal.hpp>
#include <gtest/gtest.h>

#include "host_test_support.h"
#include "scratch_dir.h"

namespace dur::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::vector<std::string>> read_csv(const fs::path& file)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream s(line);
        std::string f;
        while (std::getline(s, f, ','))
            fields.push_back(f);
        rows.push_back(fields);
    }
    return rows;
}

TEST(Eval, ReferenceMixGivesThePublishedValue)
{
    ScratchDir scratch;
    const RunResult r = run_durhost("eval Mirkast_xCl");
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.output, "42.8324\n");
    EXPECT_EQ(scratch.entry_count(), 0u);  // the call ran in a scratch directory
}

TEST(Eval, InputsBySymbolOrPositionAndTheLogLine)
{
    ScratchDir scratch;
    const RunResult r = run_durhost("eval dorvela_xc RH=120 p5=0 --digits 17");
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.output, "0\nerr_dorvela.txt: 4. variable \"relative humidity\" is not correct (must be in the range "
                        "0-100), 5. variable \"unit content of cement\" is not correct (cannot be negative nor zero), \n");
    EXPECT_EQ(run_durhost("eval dorvelb_ti").output, "4.70581\n");
}

struct UsageError {
    const char* arguments;
    int exit_code;
    const char* expected;
};

const UsageError usage_errors[] = {
    {"eval Mirkast_x", 2, "unknown export \"Mirkast_x\" (expected one of Mirkast_xCl"},
    {"eval Mirkast_xCl foo=1", 2, "unknown input \"foo\" for Mirkast_xCl (expected one of cover, t, cs"},
    {"eval Mirkast_xCl w=abc", 2, "abc is not a number"},
    {"eval Mirkast_xCl --plugins /nonexistent", 1, "cannot load plug-in /nonexistent/Mirkast.so: "},
    {"study missing.toml", 2, "missing.toml"},
    {"frobnicate", 2, ""},
};

TEST(Durhost, ErrorsAndExitCodes)
{
    ScratchDir scratch;
    for (const UsageError& e : usage_errors) {
        const RunResult r = run_durhost(e.arguments);
        EXPECT_EQ(r.exit_code, e.exit_code) << e.arguments << "\n" << r.output;
        EXPECT_NE(r.output.find(e.expected), std::string::npos) << e.arguments << "\n" << r.output;
    }
}

TEST(Batch, AddsAResultColumnInRowOrder)
{
    ScratchDir scratch;
    write_text("in.csv", "cover,w,RH\n0.03,175,65\n0.04,160,75\n0.03,175,120\n");
    const RunResult r = run_durhost("batch dorvela_ti in.csv -o out.csv --threads 2");
    EXPECT_EQ(r.exit_code, 0) << r.output;
    const auto rows = read_csv("out.csv");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"cover", "w", "RH", "result"}));
    EXPECT_EQ(rows[1][3], "7.8915923057278601");  // the reference mix: missing columns take it
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const RunResult one = run_durhost("eval dorvela_ti cover=" + rows[i][0] + " w=" + rows[i][1] +
                                          " RH=" + rows[i][2] + " --digits 17");
        EXPECT_EQ(one.output.substr(0, one.output.find('\n')), rows[i][3]) << i;
    }
    EXPECT_NE(r.output.find("1 of 3 rows reported inadmissible inputs in err_dorvela.txt"), std::string::npos)
        << r.output;
}

TEST(Batch, BadInputNamesTheLineAndLeavesNoOutput)
{
    ScratchDir scratch;
    write_text("bad.csv", "cover,w\n0.03,175\n0.04,x\n");
    RunResult r = run_durhost("batch dorvela_ti bad.csv -o out.csv");
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_NE(r.output.find("bad.csv:3: column 2: \"x\" is not a number"), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists("out.csv"));
    write_text("cols.csv", "cover,colour\n1,2\n");
    r = run_durhost("batch dorvela_ti cols.csv -o out.csv");
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_NE(r.output.find("cols.csv:1: unknown column \"colour\""), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists("out.csv"));
}

// With the cover alone random, ti = K cover^2, so P(ti <= t) is the
// probability that |cover| <= sqrt(t / K): a closed form to hold the
// estimate against.
TEST(Study, MatchesTheClosedFormWithinItsConfidenceBand)
{
    ScratchDir scratch;
    write_text("cover.toml", "export = \"Mirkast_ti\"\nsamples = 20000\nmethod = \"mc\"\nseed = 3\n"
                             "time = { start = 0, end = 200, step = 10 }\n"
                             "[inputs]\ncover = { dist = \"normal\", mean = 50, sd = 8 }\n");
    const RunResult r = run_durhost("study cover.toml --quiet");
    ASSERT_EQ(r.exit_code, 0) << r.output;
    const RunResult unit = run_durhost("eval Mirkast_ti cover=1 --digits 17");
    const double K = std::stod(unit.output);  // years per mm^2
    const boost::math::normal_distribution<double> cover(50, 8);
    const auto rows = read_csv("cover-results/curve.csv");
    ASSERT_EQ(rows.size(), 22u);
    int inside = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const double t = std::stod(rows[i][0]);
        const double s = std::sqrt(t / K);
        const double exact = boost::math::cdf(cover, s) - boost::math::cdf(cover, -s);
        const double low = std::stod(rows[i][3]), high = std::stod(rows[i][4]);
        EXPECT_LE(low, std::stod(rows[i][1]));
        EXPECT_GE(high, std::stod(rows[i][1]));
        inside += exact >= low && exact <= high;
    }
    // A 95 % band: one time in twenty may miss, no more than a few.
    EXPECT_GE(inside, 19);
}

TEST(Study, SameOutputsForAnyNumberOfThreads)
{
    ScratchDir scratch;
    write_text("s.toml", "export = \"dorvelb_xc\"\nsamples = 3000\nseed = 5\n"
                         "time = { start = 0, end = 50, step = 5 }\n"
                         "[inputs]\ncover = { dist = \"normal\", mean = 0.04, sd = 0.008 }\n"
                         "RH = { dist = \"triangular\", min = 50, mode = 75, max = 95 }\n"
                         "w = { dist = \"normal\", mean = 175, sd = 10 }\n"
                         "c = { dist = \"normal\", mean = 350, sd = 15 }\n"
                         "[[correlation]]\ninputs = [\"w\", \"c\"]\nrank = 0.6\n");
    ASSERT_EQ(run_durhost("study s.toml -o one --threads 1 --keep-samples --quiet").exit_code, 0);
    ASSERT_EQ(run_durhost("study s.toml -o three --threads 3 --keep-samples --quiet").exit_code, 0);
    for (const char* file : {"curve.csv", "samples.csv", "histogram.dat", "sensitivity.dat"})
        EXPECT_EQ(read_file(fs::path("one") / file), read_file(fs::path("three") / file)) << file;
    // The summary differs only in the thread count and the elapsed time.
    auto strip = [](std::string text) {
        std::string kept;
        std::stringstream lines(text);
        std::string line;
        while (std::getline(lines, line))
            if (line.find("\"threads\"") == std::string::npos && line.find("\"elapsed_seconds\"") == std::string::npos)
                kept += line + "\n";
        return kept;
    };
    EXPECT_EQ(strip(read_file("one/summary.json")), strip(read_file("three/summary.json")));
}

TEST(Study, ReportsInadmissibleCallsAndLogsIntoTheResults)
{
    ScratchDir scratch;
    // A normal cement content that sometimes goes negative.
    write_text("neg.toml", "export = \"dorvela_ti\"\nsamples = 2000\nseed = 2\n"
                           "[inputs]\nc = { dist = \"normal\", mean = 10, sd = 10 }\n");
    const RunResult r = run_durhost("study neg.toml -o out");
    ASSERT_EQ(r.exit_code, 0) << r.output;
    EXPECT_NE(r.output.find("calls reported inadmissible inputs"), std::string::npos) << r.output;
    EXPECT_TRUE(fs::exists("out/err_dorvela.txt"));
    const std::string summary = read_file("out/summary.json");
    EXPECT_NE(summary.find("\"reporting_calls\": "), std::string::npos);
    EXPECT_EQ(summary.find("\"reporting_calls\": 0,"), std::string::npos);
    EXPECT_EQ(scratch.entry_count(), 2u);  // neg.toml and out/: nothing else
}

TEST(Study, UnwritableOutputFailsBeforeSampling)
{
    ScratchDir scratch;
    write_text("s.toml", "export = \"Mirkast_ti\"\nsamples = 10\n");
    write_text("file", "not a directory");
    const RunResult r = run_durhost("study s.toml -o file/results");
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.output.find("output directory"), std::string::npos) << r.output;
}

class Examples : public ::testing::TestWithParam<const char*> {};

TEST_P(Examples, RunEndToEnd)
{
    ScratchDir scratch;
    const std::string study = std::string(DUR_EXAMPLES) + "/studies/" + GetParam() + ".toml";
    const RunResult r = run_durhost("study " + study + " -o out");
    ASSERT_EQ(r.exit_code, 0) << r.output;
    EXPECT_NE(r.output.find("beta"), std::string::npos);
    const auto curve = read_csv("out/curve.csv");
    ASSERT_EQ(curve.size(), 102u);
    EXPECT_EQ(curve[0], (std::vector<std::string>{"t_years", "Pf", "beta", "Pf_low", "Pf_high"}));
    EXPECT_EQ(curve[1][1], "0");  // nothing has initiated at t = 0
    EXPECT_TRUE(fs::exists("out/summary.json"));
    for (const char* plot : {"beta.gp", "histogram.gp", "sensitivity.gp"})
        EXPECT_TRUE(fs::exists(fs::path("out") / plot)) << plot;
    for (const auto& entry : fs::directory_iterator("out"))
        EXPECT_EQ(entry.path().string().find(".partial"), std::string::npos) << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Bundled, Examples,
                         ::testing::Values("marine_spray_chloride", "sheltered_carbonation_model_a",
                                           "sheltered_carbonation_model_b"));

}  // namespace
}  // namespace dur::test
