#include "storage/FileLock.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace trevik {

namespace {

std::atomic<long long> waitMilliseconds{kLockWait.count()};

bool sameFile(int fd, const std::filesystem::path& path) {
    struct stat open {};
    struct stat named {};
    if (fstat(fd, &open) != 0 || stat(path.c_str(), &named) != 0) {
        return false;
    }
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

bool isLink(const std::filesystem::path& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

LockedFile failed(LockedOpen result, std::string reason) {
    return {-1, result, std::move(reason)};
}

} // namespace

std::chrono::milliseconds lockWait() {
    return std::chrono::milliseconds(waitMilliseconds.load());
}

void setLockWait(std::chrono::milliseconds wait) {
    waitMilliseconds = wait.count();
}

std::string systemReason(int error) {
    return std::strerror(error);
}

LockedFile openLocked(const std::filesystem::path& path, LockAccess access) {
    const auto deadline = std::chrono::steady_clock::now() + lockWait();
    const int flags = access == LockAccess::Read ? O_RDONLY : O_RDWR;
    const int lockKind = access == LockAccess::Read ? LOCK_SH : LOCK_EX;
    for (;;) {
        LockedOpen result = LockedOpen::Opened;
        int fd = ::open(path.c_str(), flags | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            if (isLink(path)) {
                return failed(LockedOpen::Failed,
                              "is a symbolic link to a file that does not exist");
            }
            if (access != LockAccess::Create) {
                return {-1, LockedOpen::Missing, {}};
            }
            fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            result = LockedOpen::Created;
            if (fd < 0 && errno == EEXIST && std::chrono::steady_clock::now() < deadline) {
                continue; // another process created it first; open theirs
            }
        }
        if (fd < 0) {
            return failed(LockedOpen::Failed, systemReason(errno));
        }
        struct stat info {};
        if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
            ::close(fd);
            return failed(LockedOpen::Failed, systemReason(EISDIR));
        }
        while (flock(fd, lockKind | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                const int error = errno;
                ::close(fd);
                return failed(LockedOpen::Failed, systemReason(error));
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                ::close(fd);
                return failed(LockedOpen::TimedOut, "is in use by another program");
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (sameFile(fd, path)) {
            return {fd, result, {}};
        }
        ::close(fd);
        if (std::chrono::steady_clock::now() >= deadline) {
            return failed(LockedOpen::TimedOut, "is in use by another program");
        }
    }
}

bool readAll(int fd, std::string& out) {
    char chunk[8192];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, chunk, sizeof chunk, at);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        out.append(chunk, std::size_t(got));
        at += got;
    }
}

bool writeAllAt(int fd, const void* data, std::size_t size, long long offset) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::pwrite(fd, bytes, size, offset);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes += written;
        size -= std::size_t(written);
        offset += written;
    }
    return true;
}

} // namespace trevik
