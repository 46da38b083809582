#pragma once

// Runs a program as a shell would, standard output to /dev/null, and reports how it ended,
// how long it took from the spawn to the end of the wait, and its peak resident memory. The
// peak is at least the spawning process's own size when it spawned (exec keeps that mark), so
// it is only the child's own from a small process.

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace trevik::bench {

struct ProcessRun {
    bool ok = false;
    double milliseconds = 0;
    double peakMiB = 0;
};

// `extraEnvironment` entries ("NAME=value") replace the inherited ones of the same name.
inline ProcessRun runProcess(const std::vector<std::string>& argv,
                             const std::vector<std::string>& extraEnvironment = {}) {
    std::vector<char*> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string_view entry(*e);
        bool replaced = false;
        for (const std::string& extra : extraEnvironment) {
            const std::size_t name = extra.find('=') + 1;
            replaced = replaced || entry.substr(0, name) == std::string_view(extra).substr(0, name);
        }
        if (!replaced) {
            env.push_back(*e);
        }
    }
    std::vector<std::string> copies = extraEnvironment;
    for (std::string& extra : copies) {
        env.push_back(extra.data());
    }
    env.push_back(nullptr);
    std::vector<std::string> args = argv;
    std::vector<char*> argp;
    for (std::string& a : args) {
        argp.push_back(a.data());
    }
    argp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ProcessRun run;
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawnp(&pid, argp[0], &actions, nullptr, argp.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return run;
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.peakMiB = double(usage.ru_maxrss) / 1024.0; // KiB
    return run;
}

} // namespace trevik::bench
