#include "working_directory.h"

#include <cstdlib>
#include <fstream>

#include "host_error.h"

namespace dur::host {

WorkingDirectory::WorkingDirectory(const std::filesystem::path& directory)
    : previous_(std::filesystem::current_path())
{
    std::filesystem::current_path(directory);
}

WorkingDirectory::~WorkingDirectory()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

std::size_t count_lines(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::size_t lines = 0;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            lines += buffer[i] == '\n';
    }
    return lines;
}

std::filesystem::path make_temporary_directory(const std::string& stem)
{
    std::string pattern = (std::filesystem::temp_directory_path() / (stem + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw RunError("cannot create a temporary directory in " + std::filesystem::temp_directory_path().string());
    return pattern;
}

}  // namespace dur::host
