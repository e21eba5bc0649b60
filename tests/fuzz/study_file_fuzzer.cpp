// Fuzzes the study-file reader: any bytes are either a study or an
// InputError naming the file; nothing else may escape, crash or leak.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "host_error.h"
#include "study_file.h"

namespace {
std::string file;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/dur-fuzz-study-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        std::abort();
    file = std::string(pattern) + "/s.toml";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        const dur::host::Study study = dur::host::read_study(file);
        if (study.samples < 2 || study.export_info == nullptr || !(study.time.step > 0.0))
            std::abort();  // accepted something it must refuse
    } catch (const dur::host::InputError& e) {
        if (std::string(e.what()).rfind(file, 0) != 0)
            std::abort();  // an error that does not name the file
    }
    return 0;
}
