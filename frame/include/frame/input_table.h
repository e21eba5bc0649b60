// One row of an export's input table, and the rules it can be screened by.
#ifndef FRAME_INPUT_TABLE_H
#define FRAME_INPUT_TABLE_H

namespace dur {

enum class InputRule {
    NonNegative,  // x >= 0
    Positive,     // x > 0
    Percent,      // 0 <= x <= 100
};

// The plug-ins disagree on NaN: the chloride plug-in only reports values
// below its bounds and lets NaN through; the carbonation plug-ins report every
// value that fails the admissibility test, NaN included.
enum class NanPolicy {
    accept,
    report,
};

struct InputSpec {
    int position;      // 1-based, as in every message
    const char* name;  // the text that the message quotes
    InputRule rule;
};

}  // namespace dur

#endif
