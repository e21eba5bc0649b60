// Running durhost as a user does, and writing small input files.
#ifndef TESTS_HOST_SUPPORT_H
#define TESTS_HOST_SUPPORT_H

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace dur::test {

struct RunResult {
    int exit_code;
    std::string output;  // stdout and stderr together
};

inline RunResult run_durhost(const std::string& arguments)
{
    const std::string command = std::string(DUR_DURHOST) + " " + arguments + " 2>&1";
    RunResult r{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return r;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        r.output.append(buffer, n);
    const int status = pclose(pipe);
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

inline void write_text(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path) << text;
}

}  // namespace dur::test

#endif
