// The text that one call's screening builds.
#ifndef FRAME_ERROR_REPORT_H
#define FRAME_ERROR_REPORT_H

#include <cstddef>

namespace dur {

// Lives on the caller's stack. Screening resets only `length` and `flagged`:
// the admissible path never touches `text`, so a call with nothing to report
// does not pay for clearing 5000 bytes.
struct ErrorReport {
    static constexpr std::size_t capacity = 5000;  // characters, terminator included

    std::size_t length;
    bool flagged;
    char text[capacity];
};

}  // namespace dur

#endif
