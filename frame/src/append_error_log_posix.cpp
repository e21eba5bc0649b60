// POSIX has no sharing modes on open(); advisory locks stand in for them. An
// exclusive writer takes LOCK_EX, a shared writer LOCK_SH, so shared writers
// append side by side while an exclusive one keeps everyone out. Each line
// goes out in one write() on an O_APPEND descriptor, which the kernel places
// at the end of the file as a whole.
#include "frame/append_error_log.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "log_line.h"

namespace dur {
namespace {

long elapsed_ms(const timespec& since) noexcept
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (now.tv_sec - since.tv_sec) * 1000 + (now.tv_nsec - since.tv_nsec) / 1000000;
}

// Polls the lock with a growing pause (50 us up to 1 ms) until the deadline.
bool lock_within_deadline(int fd, LogSharing sharing) noexcept
{
    const int mode = (sharing == LogSharing::exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    long pause_us = 50;
    for (;;) {
        if (flock(fd, mode) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (elapsed_ms(start) >= log_wait_milliseconds)
            return false;
        const timespec pause{0, pause_us * 1000};
        nanosleep(&pause, nullptr);
        if (pause_us < 1000)
            pause_us *= 2;
    }
}

void write_whole(int fd, const LogLine& line) noexcept
{
    ssize_t written;
    do {
        written = write(fd, line.bytes, line.length);
    } while (written < 0 && errno == EINTR);
    // A short or failed write is not examined further: the call's result
    // does not depend on its log.
}

}  // namespace

void append_error_log(const char* file_name, const ErrorReport& report, LogSharing sharing) noexcept
{
    const int saved_errno = errno;
    int fd;
    do {
        fd = open(file_name, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd >= 0) {
        if (lock_within_deadline(fd, sharing)) {
            LogLine line;
            make_log_line(report, "\n", line);
            write_whole(fd, line);
        }
        close(fd);  // also releases the lock
    }
    errno = saved_errno;  // the host's errno is not ours to change
}

}  // namespace dur
