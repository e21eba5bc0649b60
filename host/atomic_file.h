// Output files appear whole or not at all: written under a temporary name in
// the same directory and renamed when complete, so an interrupted run never
// leaves a file that looks finished.
#ifndef HOST_ATOMIC_FILE_H
#define HOST_ATOMIC_FILE_H

#include <filesystem>
#include <fstream>

namespace dur::host {

class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path target);
    ~AtomicFile();  // removes the temporary file unless committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    std::ofstream& stream() { return out_; }
    // Flushes, checks and renames into place; throws RunError on failure.
    void commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream out_;
    bool committed_ = false;
};

// Writes `text` to `target` atomically.
void write_file_atomically(const std::filesystem::path& target, const std::string& text);

}  // namespace dur::host

#endif
