// Shared by the platform writers: the report plus its line ending, ready for
// a single write.
#ifndef FRAME_LOG_LINE_H
#define FRAME_LOG_LINE_H

#include <cstddef>
#include <cstring>

#include "frame/error_report.h"

namespace dur {

struct LogLine {
    std::size_t length;
    char bytes[ErrorReport::capacity + 2];
};

// `ending` is the platform's text-mode newline ("\n" or "\r\n").
inline void make_log_line(const ErrorReport& report, const char* ending, LogLine& line) noexcept
{
    const std::size_t text = report.length < ErrorReport::capacity ? report.length : ErrorReport::capacity - 1;
    const std::size_t tail = std::strlen(ending);
    std::memcpy(line.bytes, report.text, text);
    std::memcpy(line.bytes + text, ending, tail);
    line.length = text + tail;
}

// How long a writer waits for a log that another writer holds.
constexpr long log_wait_milliseconds = 1000;

}  // namespace dur

#endif
