#pragma once

#include <chrono>
#include <filesystem>

namespace trevik {

// How long an operation waits for a file that another process (the window or the
// command-line tool) is working on before it gives up.
inline constexpr std::chrono::milliseconds kLockWait{5000};

enum class LockedOpen { Opened, Created, Failed, TimedOut };

struct LockedFile {
    int fd = -1;
    LockedOpen result = LockedOpen::Failed;
};

// Opens (or, when `create` is set and the file is missing, creates) `path` for reading and
// writing and takes an exclusive advisory lock on it. When another process renamed a new
// file over the path while we waited, the stale descriptor is dropped and the new file is
// opened instead, so no write can land in a file that is no longer the data file.
LockedFile openLocked(const std::filesystem::path& path, bool create,
                      std::chrono::milliseconds wait = kLockWait);

// Writes all of `size` bytes at `offset`; false on any error.
bool writeAllAt(int fd, const void* data, std::size_t size, long long offset);

} // namespace trevik
