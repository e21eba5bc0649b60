// A fresh, empty working directory for one test, removed afterwards. The
// plug-ins write their logs into the current directory, so every test that
// looks at logs runs inside one. Portable: the Linux suites and the Windows
// test host share it.
#ifndef TESTS_SCRATCH_DIR_H
#define TESTS_SCRATCH_DIR_H

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace dur::test {

class ScratchDir {
public:
    ScratchDir() : previous_(std::filesystem::current_path())
    {
        // A name that no other test process is using: create_directory
        // says false when it exists, and the next name is tried.
        static unsigned counter = 0;
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        do {
            path_ = std::filesystem::temp_directory_path() /
                    ("dur-test-" + std::to_string(stamp) + "-" + std::to_string(++counter));
        } while (!std::filesystem::create_directory(path_));
        std::filesystem::current_path(path_);
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Every file name in the directory.
    std::size_t entry_count() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_),
                                                      std::filesystem::directory_iterator{}));
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline bool file_exists(const std::string& name) { return std::filesystem::exists(name); }

inline std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace dur::test

#endif
