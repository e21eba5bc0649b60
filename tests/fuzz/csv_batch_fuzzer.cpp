// Fuzzes the batch CSV reader through the batch command: any bytes either
// evaluate or fail with an InputError; the output file appears only whole.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "commands.h"
#include "host_error.h"

namespace {
std::filesystem::path scratch;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/dur-fuzz-csv-XXXXXX";
    if (mkdtemp(pattern) == nullptr || chdir(pattern) != 0)
        std::abort();
    scratch = pattern;
    // The plug-ins carry coverage counters of their own: keep them mapped
    // when the batch command closes them, or the fuzzer reads freed pages.
    for (const char* plugin : {"Mirkast", "dorvela", "dorvelb"}) {
        const std::string path = std::string(DUR_PLUGIN_DIR) + "/" + plugin + ".so";
        if (dlopen(path.c_str(), RTLD_NOW | RTLD_NODELETE) == nullptr)
            std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path input = scratch / "in.csv";
    const std::filesystem::path output = scratch / "out.csv";
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::filesystem::remove(output);
    try {
        dur::host::batch_command(DUR_PLUGIN_DIR, "dorvela_xc", input, output, 1);
    } catch (const dur::host::InputError&) {
        if (std::filesystem::exists(output))
            std::abort();  // half-written output left behind
    }
    return 0;
}
