#include "storage/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace trevik {

namespace {

bool sameFile(int fd, const std::filesystem::path& path) {
    struct stat open {};
    struct stat named {};
    if (fstat(fd, &open) != 0 || stat(path.c_str(), &named) != 0) {
        return false;
    }
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

} // namespace

LockedFile openLocked(const std::filesystem::path& path, bool create,
                      std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        LockedOpen result = LockedOpen::Opened;
        int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT && create) {
            fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            result = LockedOpen::Created;
            if (fd < 0 && errno == EEXIST) {
                continue; // another process created it first; open theirs
            }
        }
        if (fd < 0) {
            return {-1, LockedOpen::Failed};
        }
        while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                ::close(fd);
                return {-1, LockedOpen::Failed};
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                ::close(fd);
                return {-1, LockedOpen::TimedOut};
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (sameFile(fd, path)) {
            return {fd, result};
        }
        ::close(fd);
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
        bytes += written;
        size -= std::size_t(written);
        offset += written;
    }
    return true;
}

} // namespace trevik
