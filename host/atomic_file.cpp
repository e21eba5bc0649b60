#include "atomic_file.h"

#include <unistd.h>

#include "host_error.h"

namespace dur::host {

AtomicFile::AtomicFile(std::filesystem::path target)
    : target_(std::move(target)),
      temporary_(target_.parent_path() / ("." + target_.filename().string() + ".partial-" + std::to_string(getpid())))
{
    out_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!out_)
        throw RunError("cannot write " + temporary_.string());
}

AtomicFile::~AtomicFile()
{
    if (!committed_) {
        out_.close();
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void AtomicFile::commit()
{
    out_.flush();
    if (!out_)
        throw RunError("cannot write " + temporary_.string());
    out_.close();
    std::error_code ec;
    std::filesystem::rename(temporary_, target_, ec);
    if (ec)
        throw RunError("cannot rename " + temporary_.string() + " to " + target_.string() + ": " + ec.message());
    committed_ = true;
}

void write_file_atomically(const std::filesystem::path& target, const std::string& text)
{
    AtomicFile file(target);
    file.stream() << text;
    file.commit();
}

}  // namespace dur::host
