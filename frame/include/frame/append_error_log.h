#ifndef FRAME_APPEND_ERROR_LOG_H
#define FRAME_APPEND_ERROR_LOG_H

#include "frame/error_report.h"

namespace dur {

// How a plug-in holds its log while it appends: alone (no other writer may
// have it open meanwhile) or shared with other writers.
enum class LogSharing {
    exclusive,
    shared,
};

// Appends the report as one line to `file_name`, relative to the current
// working directory. The line goes out in a single append, so concurrent
// writers never interleave within a line. If the log cannot be opened in
// about a second (permissions, missing directory, held by another program),
// the report is dropped: a log must never cost the host its result.
void append_error_log(const char* file_name, const ErrorReport& report, LogSharing sharing) noexcept;

}  // namespace dur

#endif
