// Runs a check in a forked child, as an unprivileged user when the suite runs
// as root (root ignores directory permissions, which some tests rely on).
#ifndef TESTS_CHILD_PROCESS_H
#define TESTS_CHILD_PROCESS_H

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace dur::test {

constexpr uid_t unprivileged_id = 65534;  // "nobody"

// The child's exit status: `check`'s result, or 100 + signal if it died.
inline int run_in_child(const std::function<int()>& check, bool drop_privileges)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (drop_privileges && geteuid() == 0) {
            if (setgid(unprivileged_id) != 0 || setuid(unprivileged_id) != 0)
                _exit(90);
        }
        _exit(check());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

}  // namespace dur::test

#endif
