// A fresh, empty working directory for one test, removed afterwards. The
// plug-ins write their logs into the current directory, so every test that
// looks at logs runs inside one.
#ifndef TESTS_SCRATCH_DIR_H
#define TESTS_SCRATCH_DIR_H

#include <unistd.h>

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
        std::string pattern = (std::filesystem::temp_directory_path() / "dur-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "mkdtemp");
        path_ = pattern;
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
