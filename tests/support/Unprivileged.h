#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace trevik::test {

// Runs `check` in a child process and returns what it returned (or 100 + the signal that ended
// it). Run as root, the child becomes "nobody" first, so that file modes count as they do for a
// user; gtest assertions do not cross the fork, so `check` reports through its result.
template <typename Check> int runUnprivileged(Check check) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(99);
        }
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

} // namespace trevik::test
