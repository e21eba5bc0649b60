// A check on study files before the TOML library reads them.
#ifndef HOST_STUDY_TOML_GUARD_H
#define HOST_STUDY_TOML_GUARD_H

#include <string_view>

namespace dur::host {

// The first line with a byte above 0x7F outside a comment or a quoted
// string, or 0. TOML allows such bytes nowhere else, and the TOML library of
// this platform reaches undefined behaviour on some of them (a fuzzer found
// it), so they are refused before it sees them.
int non_ascii_outside_text(std::string_view text);

}  // namespace dur::host

#endif
