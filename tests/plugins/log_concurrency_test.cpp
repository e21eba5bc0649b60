// Threads in several processes report into one log at once: no line is lost
// and none is mixed with another.
#include <spawn.h>
#include <sys/wait.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plugin_library.h"
#include "reference_vectors.h"
#include "scratch_dir.h"

extern char** environ;

namespace dur::test {
namespace {

constexpr int processes = 2;
constexpr int threads = 8;
constexpr int calls = 1000;

struct Target {
    const char* export_name;
    const char* log;
};

// The single line that one call with `position` negative writes.
std::string line_for(const std::string& export_name, const char* log, int position)
{
    ScratchDir scratch;
    PluginLibrary plugin(plugin_path(plugin_of(export_name)));
    std::vector<double> v = reference_with(export_name, {{position, -1.0}});
    plugin.bind(export_name.c_str())(0, v.data());
    return read_file(log);
}

class LogConcurrency : public ::testing::TestWithParam<Target> {};

TEST_P(LogConcurrency, NoLineLostOrMixed)
{
    const Target target = GetParam();
    std::map<std::string, int> expected;  // line -> count
    for (int i = 0; i < threads; ++i)
        expected[line_for(target.export_name, target.log, screened_everywhere(i))] += processes * calls;

    ScratchDir scratch;
    const std::string plugin = plugin_path(plugin_of(target.export_name));
    const std::string threads_arg = std::to_string(threads);
    const std::string calls_arg = std::to_string(calls);
    std::vector<pid_t> children;
    for (int p = 0; p < processes; ++p) {
        const char* argv[] = {DUR_LOG_HAMMER, plugin.c_str(), target.export_name, threads_arg.c_str(),
                              calls_arg.c_str(), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, DUR_LOG_HAMMER, nullptr, nullptr, const_cast<char**>(argv), environ), 0);
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    std::map<std::string, int> seen;
    std::istringstream log(read_file(target.log));
    std::string line;
    int total = 0;
    while (std::getline(log, line)) {
        ++seen[line + "\n"];
        ++total;
    }
    EXPECT_EQ(total, processes * threads * calls);
    EXPECT_EQ(seen, expected);
}

INSTANTIATE_TEST_SUITE_P(Logs, LogConcurrency,
                         ::testing::Values(Target{"Mirkast_xCl", "err_mirkast_xCl.txt"},
                                           Target{"dorvela_xc", "err_dorvela.txt"},
                                           Target{"dorvelb_ti", "err_dorvelb.txt"}),
                         [](const auto& named) { return std::string(named.param.export_name); });

}  // namespace
}  // namespace dur::test
