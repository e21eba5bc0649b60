// Windows has sharing modes: the exclusive log is opened with no sharing, the
// shared one with read and write sharing. FILE_APPEND_DATA alone makes every
// WriteFile an append at the current end of file, so one call writes one
// whole line even with other writers at work. The line ends in CR LF, as a
// text-mode stream would write it.
#include "frame/append_error_log.h"

#include <windows.h>

#include "log_line.h"

namespace dur {

void append_error_log(const char* file_name, const ErrorReport& report, LogSharing sharing) noexcept
{
    const DWORD share = sharing == LogSharing::exclusive ? 0 : (FILE_SHARE_READ | FILE_SHARE_WRITE);
    const DWORD saved_error = GetLastError();
    const ULONGLONG start = GetTickCount64();
    DWORD pause_ms = 1;
    HANDLE file;
    for (;;) {
        file = CreateFileA(file_name, FILE_APPEND_DATA, share, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            break;
        // Only a writer that holds the file is worth waiting for; a missing
        // directory or a denied access will not change within the call.
        if (GetLastError() != ERROR_SHARING_VIOLATION ||
            GetTickCount64() - start >= static_cast<ULONGLONG>(log_wait_milliseconds)) {
            SetLastError(saved_error);
            return;
        }
        Sleep(pause_ms);
        if (pause_ms < 4)
            pause_ms *= 2;
    }
    LogLine line;
    make_log_line(report, "\r\n", line);
    DWORD written = 0;
    WriteFile(file, line.bytes, static_cast<DWORD>(line.length), &written, nullptr);
    CloseHandle(file);
    SetLastError(saved_error);
}

}  // namespace dur
