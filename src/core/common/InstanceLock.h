#pragma once

#include <filesystem>

namespace trevik {

// Marks that an instance of the program runs: an exclusive lock on a file in the user's
// runtime directory, held for the life of the process and dropped by the kernel when the
// process ends, however it ends.
class InstanceLock {
public:
    // $XDG_RUNTIME_DIR/trevik.lock, or trevik.lock in the temporary directory.
    static std::filesystem::path defaultPath();

    explicit InstanceLock(const std::filesystem::path& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True only when another process holds the lock. A lock file that cannot be made at all
    // does not keep the program from starting.
    bool anotherInstanceRuns() const { return anotherInstance_; }

private:
    int fd_ = -1;
    bool anotherInstance_ = false;
};

} // namespace trevik
