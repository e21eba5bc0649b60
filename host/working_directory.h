// The plug-ins write their logs into the process's working directory; these
// helpers choose that directory for a while and read what landed there.
#ifndef HOST_WORKING_DIRECTORY_H
#define HOST_WORKING_DIRECTORY_H

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace dur::host {

class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& directory);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous_;
};

// Lines in a log file (0 if it does not exist).
std::size_t count_lines(const std::filesystem::path& file);

// A fresh directory under the system's temporary directory.
std::filesystem::path make_temporary_directory(const std::string& stem);

}  // namespace dur::host

#endif
