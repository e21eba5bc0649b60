// Reading study files: what is accepted, and an error naming the file, the
// line and what was expected for everything that is not.
#include <string>

#include <gtest/gtest.h>

#include "host_error.h"
#include "host_test_support.h"
#include "sampler.h"
#include "scratch_dir.h"
#include "study_file.h"

namespace dur::test {
namespace {

using host::InputError;
using host::read_study;

const std::string head = "export = \"Mirkast_ti\"\nsamples = 100\n";

TEST(StudyFile, ReadsAWholeStudy)
{
    ScratchDir scratch;
    write_text("s.toml", head + "method = \"mc\"\nseed = 7\ntarget_beta = 1.5\n"
                                "time = { start = 10, end = 50, step = 10 }\n"
                                "[inputs]\ncover = { dist = \"normal\", mean = 50, sd = 8 }  # mm, \xc2\xb1 8\nD0 = 3e-9\n"
                                "w = { dist = \"uniform\", min = 150, max = 180 }\n"
                                "[[correlation]]\ninputs = [\"w\", \"cover\"]\nrank = 0.3\n");
    const host::Study study = read_study("s.toml");
    EXPECT_STREQ(study.export_info->name, "Mirkast_ti");
    EXPECT_EQ(study.samples, 100u);
    EXPECT_EQ(study.method, host::SamplingMethod::monte_carlo);
    EXPECT_EQ(study.seed, 7u);
    EXPECT_EQ(study.target_beta, 1.5);
    EXPECT_EQ(study.time.times(), (std::vector<double>{10, 20, 30, 40, 50}));
    EXPECT_EQ(study.fixed[5], 3e-9);      // D0, deterministic
    EXPECT_EQ(study.fixed[7], 350.0);     // c, the reference mix
    ASSERT_EQ(study.random.size(), 2u);   // in layout order: cover, then w
    EXPECT_STREQ(study.random[0].slot.symbol, "cover");
    EXPECT_STREQ(study.random[1].slot.symbol, "w");
    ASSERT_EQ(study.correlations.size(), 1u);
    EXPECT_EQ(study.correlations[0].rank, 0.3);
}

struct BadStudy {
    const char* name;
    std::string text;
    std::string where;     // "s.toml:LINE"
    std::string expected;  // part of the message
};

const BadStudy bad_studies[] = {
    {"unknown export", "export = \"Mirkast_x\"\nsamples = 10\n", "s.toml:1", "expected one of Mirkast_xCl, Mirkast_ti"},
    {"unknown input", head + "[inputs]\nfoo = 3\n", "s.toml:4", "expected one of cover, t, cs"},
    {"bad number", head + "[inputs]\ncover = \"fifty\"\n", "s.toml:4", "cover must be a number"},
    {"unknown key", head + "colour = 3\n", "s.toml:3", "unknown key \"colour\""},
    {"unknown distribution key", head + "[inputs]\ncover = { dist = \"normal\", mean = 5, sd = 1, cov = 2 }\n",
     "s.toml:4", "unknown key \"cov\" for normal"},
    {"unknown distribution", head + "[inputs]\ncover = { dist = \"cauchy\", mean = 5 }\n", "s.toml:4",
     "unknown distribution \"cauchy\""},
    {"sd zero", head + "[inputs]\ncover = { dist = \"lognormal\", mean = 5, sd = 0 }\n", "s.toml:4", "sd must be > 0"},
    {"sd negative", head + "[inputs]\ncover = { dist = \"gumbel\", mean = 5, sd = -1 }\n", "s.toml:4", "sd must be > 0"},
    {"bounds reversed", head + "[inputs]\ncover = { dist = \"uniform\", min = 5, max = 1 }\n", "s.toml:4",
     "min must be less than max"},
    {"truncated bounds reversed",
     head + "[inputs]\ncover = { dist = \"truncated_normal\", mean = 5, sd = 1, min = 9, max = 2 }\n", "s.toml:4",
     "min must be less than max"},
    {"rank out of range",
     head + "[inputs]\nw = { dist = \"normal\", mean = 5, sd = 1 }\nc = { dist = \"normal\", mean = 5, sd = 1 }\n"
            "[[correlation]]\ninputs = [\"w\", \"c\"]\nrank = 1.0\n",
     "s.toml:8", "rank must lie strictly between -1 and 1"},
    {"correlated input not random", head + "[inputs]\nw = { dist = \"normal\", mean = 5, sd = 1 }\n"
                                           "[[correlation]]\ninputs = [\"w\", \"c\"]\nrank = 0.5\n",
     "s.toml:5", "not a random input"},
    {"one sample", "export = \"Mirkast_ti\"\nsamples = 1\n", "s.toml:2", "at least 2"},
    {"zero step", head + "time = { start = 0, end = 10, step = 0 }\n", "s.toml:3", "step must be > 0"},
    {"negative step", head + "time = { start = 0, end = 10, step = -1 }\n", "s.toml:3", "step must be > 0"},
    {"syntax error", head + "samples = = 3\n", "s.toml:3", ""},
    {"non ASCII key", head + "fa\xc3\xa7" "ade = 3\n", "s.toml:3", "non-ASCII character outside a comment"},
};

class BadStudies : public ::testing::TestWithParam<BadStudy> {};

TEST_P(BadStudies, NameFileLineAndWhatWasExpected)
{
    ScratchDir scratch;
    write_text("s.toml", GetParam().text);
    try {
        read_study("s.toml");
        FAIL() << "accepted";
    } catch (const InputError& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind(GetParam().where + ":", 0), 0u) << message;
        EXPECT_NE(message.find(GetParam().expected), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(Errors, BadStudies, ::testing::ValuesIn(bad_studies), [](const auto& named) {
    std::string n = named.param.name;
    for (char& ch : n)
        if (ch == ' ')
            ch = '_';
    return n;
});

TEST(StudyFile, CorrelationsThatAreNotPositiveDefiniteAreRejected)
{
    ScratchDir scratch;
    write_text("s.toml", head + "[inputs]\n"
                                "w = { dist = \"normal\", mean = 5, sd = 1 }\n"
                                "c = { dist = \"normal\", mean = 5, sd = 1 }\n"
                                "a1 = { dist = \"normal\", mean = 5, sd = 1 }\n"
                                "[[correlation]]\ninputs = [\"w\", \"c\"]\nrank = 0.9\n"
                                "[[correlation]]\ninputs = [\"c\", \"a1\"]\nrank = 0.9\n"
                                "[[correlation]]\ninputs = [\"w\", \"a1\"]\nrank = -0.9\n");
    const host::Study study = read_study("s.toml");
    try {
        host::draw_samples(study, 1);
        FAIL() << "accepted";
    } catch (const InputError& e) {
        EXPECT_NE(std::string(e.what()).find("s.toml:7: the rank correlations do not form a positive definite matrix"),
                  std::string::npos)
            << e.what();
    }
}

}  // namespace
}  // namespace dur::test
