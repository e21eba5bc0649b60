// Windows has sharing modes: the exclusive log is opened with no sharing, the
// shared one with read and write sharing. Shared writers then serialise
// their appends with a byte-range lock far beyond any real end of file, which
// keeps other openers out of nothing and the file's content unlocked:
// FILE_APPEND_DATA alone should make each write an atomic append, but not
// every implementation of the API keeps that promise across processes. The
// line ends in CR LF, as a text-mode stream would write it.
#include "frame/append_error_log.h"

#include <windows.h>

#include "log_line.h"

namespace dur {
namespace {

// Where shared writers take turns: the last bytes of the 64-bit offset range.
constexpr DWORD turn_offset_high = 0xFFFFFFFF;
constexpr DWORD turn_offset_low = 0xFFFFFFF0;
constexpr DWORD turn_length = 1;

class Deadline {
public:
    Deadline() : start_(GetTickCount64()) {}
    // Sleeps a little and says whether there is time left to try again.
    bool pause()
    {
        if (GetTickCount64() - start_ >= static_cast<ULONGLONG>(log_wait_milliseconds))
            return false;
        Sleep(pause_ms_);
        if (pause_ms_ < 4)
            pause_ms_ *= 2;
        return true;
    }

private:
    ULONGLONG start_;
    DWORD pause_ms_ = 1;
};

HANDLE open_log(const char* file_name, LogSharing sharing, Deadline& deadline)
{
    const DWORD share = sharing == LogSharing::exclusive ? 0 : (FILE_SHARE_READ | FILE_SHARE_WRITE);
    for (;;) {
        HANDLE file = CreateFileA(file_name, FILE_APPEND_DATA, share, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        // Only a writer that holds the file is worth waiting for; a missing
        // directory or a denied access will not change within the call.
        if (GetLastError() != ERROR_SHARING_VIOLATION || !deadline.pause())
            return INVALID_HANDLE_VALUE;
    }
}

bool take_turn(HANDLE file, Deadline& deadline)
{
    for (;;) {
        OVERLAPPED at{};
        at.Offset = turn_offset_low;
        at.OffsetHigh = turn_offset_high;
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, turn_length, 0, &at))
            return true;
        if (!deadline.pause())
            return false;
    }
}

void end_turn(HANDLE file)
{
    OVERLAPPED at{};
    at.Offset = turn_offset_low;
    at.OffsetHigh = turn_offset_high;
    UnlockFileEx(file, 0, turn_length, 0, &at);
}

}  // namespace

void append_error_log(const char* file_name, const ErrorReport& report, LogSharing sharing) noexcept
{
    const DWORD saved_error = GetLastError();
    Deadline deadline;
    HANDLE file = open_log(file_name, sharing, deadline);
    if (file != INVALID_HANDLE_VALUE) {
        const bool turn = sharing == LogSharing::exclusive || take_turn(file, deadline);
        if (turn) {
            LogLine line;
            make_log_line(report, "\r\n", line);
            DWORD written = 0;
            WriteFile(file, line.bytes, static_cast<DWORD>(line.length), &written, nullptr);
            if (sharing == LogSharing::shared)
                end_turn(file);
        }
        CloseHandle(file);
    }
    SetLastError(saved_error);
}

}  // namespace dur
