// What a call costs.
//
//   export/NAME   the export, bound by dlsym and called through the pointer,
//                 on the reference mix (admissible: nothing reported)
//   floor/NAME    the same model without screening or the floating-point
//                 guard, behind the same kind of indirect call
//   report/NAME   a call that reports one input, appending one log line
//   append/bare   opening, appending one line to and closing a file directly
//   humidity_factor  model B's curve alone, swept over its domain
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "chloride_model.h"
#include "model_a.h"
#include "model_b.h"

namespace {

using export_fn = double (*)(std::int32_t, double*);

const std::vector<double> chloride_reference = {30, 50, 3, 10, 0.6, 2.03e-9, 175, 350,
                                                600, 650, 650, 3150, 2600, 2650, 2700, 1};
const std::vector<double> carbonation_reference = {0.03, 50, 0.035, 65, 350, 175, 700,
                                                   500, 0, 3150, 2650, 2650, 2650, 1};

export_fn bind(const std::string& name)
{
    const std::string base = name.substr(0, name.find('_'));
    const std::string path = std::string(DUR_PLUGIN_DIR) + "/" + base + ".so";
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        std::abort();
    return reinterpret_cast<export_fn>(dlsym(library, name.c_str()));
}

std::vector<double> reference_of(const std::string& name)
{
    return name.rfind("Mirkast", 0) == 0 ? chloride_reference : carbonation_reference;
}

template <double (*model)(const double*) noexcept>
double floor_entry(std::int32_t, double* inputs)
{
    return model(inputs);
}

// Indirect, as through dlsym: the compiler cannot see the target.
export_fn opaque(export_fn f)
{
    benchmark::DoNotOptimize(f);
    return f;
}

struct Entry {
    const char* name;
    export_fn floor;
};

const Entry entries[] = {
    {"Mirkast_xCl", floor_entry<dur::chloride::penetration_depth>},
    {"Mirkast_ti", floor_entry<dur::chloride::initiation_time>},
    {"dorvela_xc", floor_entry<dur::carbonation::model_a::depth>},
    {"dorvela_ti", floor_entry<dur::carbonation::model_a::initiation_time>},
    {"dorvelb_xc", floor_entry<dur::carbonation::model_b::depth>},
    {"dorvelb_ti", floor_entry<dur::carbonation::model_b::initiation_time>},
};

void run_calls(benchmark::State& state, export_fn f, std::vector<double> inputs)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs.data());
        double r = f(0, inputs.data());
        benchmark::DoNotOptimize(r);
    }
}

class ScratchCwd {
public:
    ScratchCwd() : previous_(std::filesystem::current_path())
    {
        path_ = std::filesystem::temp_directory_path() / ("dur-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~ScratchCwd()
    {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }

private:
    std::filesystem::path previous_, path_;
};

void reporting_call(benchmark::State& state, std::string name)
{
    ScratchCwd scratch;
    const export_fn f = opaque(bind(name));
    const std::vector<double> reference = reference_of(name);
    std::vector<double> inputs = reference;
    for (auto _ : state) {
        inputs[6] = -1.0;  // one inadmissible content, in both layouts
        double r = f(0, inputs.data());
        benchmark::DoNotOptimize(r);
    }
}

void bare_append(benchmark::State& state)
{
    ScratchCwd scratch;
    const std::string line = "7. variable \"unit content of water\" is not correct (cannot be negative), \n";
    for (auto _ : state) {
        const int fd = open("bare.txt", O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
        benchmark::DoNotOptimize(write(fd, line.data(), line.size()));
        close(fd);
    }
}

void humidity_factor_sweep(benchmark::State& state)
{
    std::vector<double> rh(1024);
    for (std::size_t i = 0; i < rh.size(); ++i)
        rh[i] = 6.26 + (100.0 - 6.26) * static_cast<double>(i) / 1023.0;
    std::size_t i = 0;
    for (auto _ : state) {
        double h = dur::carbonation::model_b::humidity_factor(rh[i++ & 1023]);
        benchmark::DoNotOptimize(h);
    }
}

const int registered = [] {
    for (const Entry& e : entries) {
        const std::string name = e.name;
        benchmark::RegisterBenchmark(("export/" + name).c_str(), [name](benchmark::State& s) {
            run_calls(s, opaque(bind(name)), reference_of(name));
        });
        benchmark::RegisterBenchmark(("floor/" + name).c_str(), [name, floor = e.floor](benchmark::State& s) {
            run_calls(s, opaque(floor), reference_of(name));
        });
    }
    for (const char* name : {"Mirkast_xCl", "dorvela_xc"})
        benchmark::RegisterBenchmark((std::string("report/") + name).c_str(), reporting_call, std::string(name));
    benchmark::RegisterBenchmark("append/bare", bare_append);
    benchmark::RegisterBenchmark("humidity_factor", humidity_factor_sweep);
    return 0;
}();

}  // namespace

BENCHMARK_MAIN();
