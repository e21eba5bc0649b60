// Fuzzes one export (chosen at build time by DUR_FUZZ_EXPORT): arbitrary
// bytes become an input vector of exactly the minimum length, on the heap
// with nothing after it, and the call runs in a scratch working directory.
//
// Checked after every call: the vector changed only as sanitising allows
// (the chloride plug-in: not at all; the carbonation plug-ins: negative or
// NaN screened values became +0.0, nothing else), and every log line is a
// well-formed report for the export, by a matcher over the message formats.
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>

#include "frame/plugin_api.h"

extern "C" double DUR_CALL DUR_FUZZ_EXPORT(std::int32_t, double*);

namespace {

constexpr const char* export_name = DUR_FUZZ_EXPORT_NAME;
const bool chloride = std::strncmp(export_name, "Mirkast", 7) == 0;
const std::size_t length = chloride ? 16 : 14;

std::string log_name()
{
    if (!chloride)
        return std::string("err_") + std::string(export_name).substr(0, 7) + ".txt";
    return std::strcmp(export_name, "Mirkast_ti") == 0 ? "err_mirkast_ti.txt" : "err_mirkast_xCl.txt";
}

// Which positions the export screens (1-based), and under which rule.
bool screened(int position)
{
    if (!chloride)
        return position >= 1 && position <= 13;
    if (std::strcmp(export_name, "Mirkast_ti") == 0)
        return position == 1 || (position >= 3 && position <= 15);
    return (position >= 2 && position <= 4) || (position >= 6 && position <= 15);
}

// One message: "N. variable "NAME" is not correct (REASON), ".
const std::regex message(R"re((\d+)\. variable "([^"]+)" is not correct \((cannot be negative|cannot be negative nor zero|must be in the range 0-100)\), )re");

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "%s: %s\n", export_name, what.c_str());
    std::abort();
}

void check_log_line(const std::string& line)
{
    if (line.empty())
        fail("empty log line");
    int previous = 0;
    auto begin = std::sregex_iterator(line.begin(), line.end(), message);
    std::size_t covered = 0;
    for (auto it = begin; it != std::sregex_iterator(); ++it) {
        if (static_cast<std::size_t>(it->position()) != covered)
            fail("garbage between messages: " + line);
        covered += static_cast<std::size_t>(it->length());
        const int position = std::stoi((*it)[1]);
        if (position <= previous)
            fail("positions not ascending: " + line);
        if (!screened(position))
            fail("unscreened position reported: " + line);
        previous = position;
    }
    if (covered != line.size())
        fail("malformed log line: " + line);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/dur-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr || chdir(pattern) != 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto inputs = std::make_unique<double[]>(length);
    std::memset(inputs.get(), 0, length * sizeof(double));
    std::memcpy(inputs.get(), data, std::min(size, length * sizeof(double)));
    const std::unique_ptr<double[]> before(new double[length]);
    std::memcpy(before.get(), inputs.get(), length * sizeof(double));

    std::filesystem::remove(log_name());
    const double result = DUR_FUZZ_EXPORT(static_cast<std::int32_t>(size), inputs.get());
    (void)result;

    for (std::size_t i = 0; i < length; ++i) {
        const auto was = std::bit_cast<std::uint64_t>(before[i]);
        const auto is = std::bit_cast<std::uint64_t>(inputs[i]);
        if (was == is)
            continue;
        const bool may_sanitise = !chloride && screened(static_cast<int>(i + 1)) && !(before[i] >= 0.0) && is == 0;
        if (!may_sanitise)
            fail("vector changed at position " + std::to_string(i + 1));
    }
    std::ifstream log(log_name(), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    if (!text.empty()) {
        if (text.back() != '\n' || text.find('\n') != text.size() - 1)
            fail("a call wrote other than one line");
        check_log_line(text.substr(0, text.size() - 1));
    }
    return 0;
}
