// The distributions as engineers give them, Latin hypercube stratification,
// imposed rank correlations, and samples that do not depend on the number of
// threads.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

#include <gtest/gtest.h>

#include "distribution.h"
#include "host_test_support.h"
#include "sampler.h"
#include "scratch_dir.h"
#include "study_file.h"

namespace dur::test {
namespace {

using host::Distribution;

struct DistributionCase {
    const char* kind;
    host::DistributionParameters parameters;
    double mean;
    double sd;
    double min;  // bounds that no sample may leave (-inf/inf: none)
    double max;
};

constexpr double unbounded = std::numeric_limits<double>::infinity();

const DistributionCase distribution_cases[] = {
    {"normal",           {{"mean", 50}, {"sd", 8}},                              50,   8,    -unbounded, unbounded},
    {"lognormal",        {{"mean", 3}, {"sd", 0.9}},                             3,    0.9,  0,          unbounded},
    {"uniform",          {{"min", 2}, {"max", 6}},                               4,    4 / std::sqrt(12.0), 2, 6},
    {"gumbel",           {{"mean", 10}, {"sd", 2}},                              10,   2,    -unbounded, unbounded},
    {"weibull",          {{"mean", 5}, {"sd", 1.5}},                             5,    1.5,  0,          unbounded},
    {"beta",             {{"mean", 75}, {"sd", 6}, {"min", 40}, {"max", 100}},   75,   6,    40,         100},
    {"triangular",       {{"min", 1}, {"mode", 2}, {"max", 6}},                  3,    std::sqrt((1 + 4 + 36 - 2 - 6 - 12) / 18.0), 1, 6},
    // Truncated at +-1 sd of its parent: mean stays, variance is
    // 1 - 2 phi(1) / (Phi(1) - Phi(-1)) = 0.291123.
    {"truncated_normal", {{"mean", 0}, {"sd", 1}, {"min", -1}, {"max", 1}},      0,    0.5395580, -1, 1},
};

TEST(Distributions, StratifiedSampleHasTheGivenMomentsAndBounds)
{
    constexpr int n = 200000;
    for (const DistributionCase& c : distribution_cases) {
        SCOPED_TRACE(c.kind);
        const Distribution d = Distribution::make(c.kind, c.parameters);
        double sum = 0.0, squares = 0.0, lo = unbounded, hi = -unbounded;
        for (int i = 0; i < n; ++i) {
            const double x = d.quantile((i + 0.5) / n);
            sum += x;
            squares += x * x;
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
        const double mean = sum / n;
        const double sd = std::sqrt(squares / n - mean * mean);
        EXPECT_NEAR(mean, c.mean, 2e-3 * std::max(1.0, std::fabs(c.mean)));
        EXPECT_NEAR(sd, c.sd, 3e-3 * c.sd);
        EXPECT_GE(lo, c.min);
        EXPECT_LE(hi, c.max);
    }
}

host::Study uniform_study(const std::string& extra, std::size_t samples, const char* method = "lhs")
{
    write_text("s.toml", "export = \"Mirkast_ti\"\nsamples = " + std::to_string(samples) + "\nmethod = \"" + method +
                             "\"\nseed = 11\n[inputs]\n"
                             "w = { dist = \"uniform\", min = 0, max = 1 }\n"
                             "c = { dist = \"uniform\", min = 0, max = 1 }\n"
                             "a1 = { dist = \"normal\", mean = 600, sd = 30 }\n" + extra);
    return host::read_study("s.toml");
}

TEST(LatinHypercube, EachStratumHoldsExactlyOneSample)
{
    ScratchDir scratch;
    const host::Study study = uniform_study("", 5000);
    const host::SampleSet set = host::draw_samples(study, 2);
    for (std::size_t j = 0; j < 2; ++j) {  // the uniform columns
        std::vector<int> seen(5000, 0);
        for (double x : set.columns[j])
            ++seen[static_cast<std::size_t>(x * 5000)];
        EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 5000);
        // The stored ranks are the strata.
        for (std::size_t i = 0; i < 5000; ++i)
            ASSERT_EQ(set.ranks[j][i], static_cast<std::uint32_t>(set.columns[j][i] * 5000));
    }
}

TEST(RankCorrelation, ImposedOnTheSampleKeepsTheValues)
{
    ScratchDir scratch;
    for (const double target : {0.6, -0.4, 0.9}) {
        SCOPED_TRACE(target);
        const host::Study plain = uniform_study("", 20000);
        const host::Study study =
            uniform_study("[[correlation]]\ninputs = [\"w\", \"c\"]\nrank = " + std::to_string(target) + "\n", 20000);
        const host::SampleSet before = host::draw_samples(plain, 1);
        const host::SampleSet after = host::draw_samples(study, 2);
        EXPECT_NEAR(host::rank_correlation(after.ranks[0], after.ranks[1]), target, 0.02);
        EXPECT_NEAR(host::rank_correlation(host::ranks_of(after.columns[0]), host::ranks_of(after.columns[1])),
                    target, 0.02);
        // Only the order changed: the same values, so the same
        // distribution and strata.
        for (std::size_t j = 0; j < 2; ++j) {
            std::vector<double> a = before.columns[j], b = after.columns[j];
            std::sort(a.begin(), a.end());
            std::sort(b.begin(), b.end());
            EXPECT_EQ(a, b);
        }
        EXPECT_EQ(before.columns[2], after.columns[2]);  // not correlated: untouched
    }
}

TEST(Samples, SameForAnyNumberOfThreads)
{
    ScratchDir scratch;
    for (const char* method : {"lhs", "mc"}) {
        const host::Study study =
            uniform_study("[[correlation]]\ninputs = [\"w\", \"a1\"]\nrank = 0.5\n", 3001, method);
        const host::SampleSet one = host::draw_samples(study, 1);
        const host::SampleSet three = host::draw_samples(study, 3);
        EXPECT_EQ(one.columns, three.columns) << method;
        EXPECT_EQ(one.ranks, three.ranks) << method;
    }
}

}  // namespace
}  // namespace dur::test
