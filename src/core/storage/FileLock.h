#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace trevik {

// How long an operation waits for a file that another process (the window or the
// command-line tool) is working on before it gives up.
inline constexpr std::chrono::milliseconds kLockWait{5000};

// The wait every lock uses; tests shorten it.
std::chrono::milliseconds lockWait();
void setLockWait(std::chrono::milliseconds wait);

enum class LockedOpen { Opened, Created, Missing, Failed, TimedOut };

// Read: read-only with a shared lock; a missing file is reported as Missing, not created.
// Write: read and write with an exclusive lock. Create: as Write, and a missing file is created
// (mode 0600).
enum class LockAccess { Read, Write, Create };

struct LockedFile {
    int fd = -1;
    LockedOpen result = LockedOpen::Failed;
    // Why the file could not be had (the system's reason); empty when it could.
    std::string reason;
};

// Opens `path` and locks it. When another process renamed a new file over the path while we
// waited, the stale descriptor is dropped and the new file is opened instead, so no write can
// land in a file that is no longer the data file. A symbolic link to a missing file is an error,
// never created through and never waited on.
LockedFile openLocked(const std::filesystem::path& path, LockAccess access);

// Writes all of `size` bytes at `offset`; false on any error (errno tells which).
bool writeAllAt(int fd, const void* data, std::size_t size, long long offset);

// Everything `fd` holds from its start, appended to `out`; false (errno set) on a read error.
bool readAll(int fd, std::string& out);

// The text of errno, for messages.
std::string systemReason(int error);

} // namespace trevik
