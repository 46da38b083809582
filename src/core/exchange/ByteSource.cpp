#include "exchange/ByteSource.h"

#include "storage/FileError.h"
#include "storage/FileLock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace trevik {

namespace {
constexpr std::size_t kWindowSize = 256 * 1024;
} // namespace

bool MemorySource::read(std::int64_t offset, std::uint8_t* out, std::size_t count) {
    if (offset < 0 || offset > size() || std::int64_t(count) > size() - offset) {
        return false;
    }
    std::memcpy(out, bytes_.data() + offset, count);
    return true;
}

FileSource::FileSource(const std::filesystem::path& path) : path_(path) {
    const LockedFile file = openLocked(path, LockAccess::Read);
    if (file.result == LockedOpen::Missing) {
        return;
    }
    if (file.fd < 0) {
        throw FileError(path, file.reason);
    }
    fd_ = file.fd;
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        const int reason = errno;
        ::close(fd_);
        fd_ = -1;
        throw FileError(path, systemReason(reason));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        throw FileError(path, "is not a regular file");
    }
    size_ = info.st_size;
}

FileSource::~FileSource() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool FileSource::read(std::int64_t offset, std::uint8_t* out, std::size_t count) {
    if (fd_ < 0 || offset < 0 || offset > size_ || std::int64_t(count) > size_ - offset) {
        return false;
    }
    while (count > 0) {
        const std::int64_t windowEnd = windowStart_ + std::int64_t(window_.size());
        if (offset < windowStart_ || offset >= windowEnd) {
            // Refill from `offset`; a file that shrank since it was opened ends where it ends.
            window_.resize(kWindowSize);
            std::size_t got = 0;
            while (got < window_.size()) {
                const ssize_t n = ::pread(fd_, window_.data() + got, window_.size() - got,
                                          off_t(offset + std::int64_t(got)));
                if (n < 0 && errno == EINTR) {
                    continue;
                }
                if (n < 0) {
                    const int reason = errno;
                    window_.clear();
                    throw FileError(path_, systemReason(reason));
                }
                if (n == 0) {
                    break;
                }
                got += std::size_t(n);
            }
            window_.resize(got);
            windowStart_ = offset;
            if (got == 0) {
                return false;
            }
            continue;
        }
        const std::size_t at = std::size_t(offset - windowStart_);
        const std::size_t take = std::min(count, window_.size() - at);
        std::memcpy(out, window_.data() + at, take);
        out += take;
        offset += std::int64_t(take);
        count -= take;
    }
    return true;
}

} // namespace trevik
