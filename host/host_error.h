// Errors that end a durhost command, with the exit code they call for.
#ifndef HOST_ERROR_H
#define HOST_ERROR_H

#include <stdexcept>
#include <string>

namespace dur::host {

// Exit codes: 0 success, 2 a usage or input error, 1 anything else.
constexpr int exit_ok = 0;
constexpr int exit_failure = 1;
constexpr int exit_input = 2;

// Something the user wrote is wrong: a file, a line, an argument.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Something outside the user's input failed: a plug-in, a file system.
class RunError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace dur::host

#endif
