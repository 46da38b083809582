#include "storage/RecordStream.h"

#include "storage/FileError.h"
#include "storage/FileLock.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace trevik {

namespace {
// Whole records of about 64 KiB: small enough to stay in the cache, large enough that the
// reads cost little.
constexpr std::size_t kBufferBytes = 1 << 16;
} // namespace

RecordStream::RecordStream(const std::filesystem::path& directory, const char* fileName,
                           std::int32_t recordSize)
    : path_(std::filesystem::absolute(directory / fileName)), recordSize_(recordSize) {}

RecordStream::~RecordStream() {
    if (fd_ >= 0) {
        ::close(fd_); // also releases the lock
    }
}

bool RecordStream::Open() {
    const LockedFile file = openLocked(path_, LockAccess::Read);
    if (file.result == LockedOpen::Missing) {
        return false;
    }
    if (file.fd < 0) {
        throw FileError(path_, file.reason);
    }
    fd_ = file.fd;
    struct stat info {};
    if (fstat(fd_, &info) != 0) {
        throw FileError(path_, systemReason(errno));
    }
    count_ = std::int32_t(std::size_t(info.st_size) / std::size_t(recordSize_));
    const std::size_t perBuffer = std::max<std::size_t>(1, kBufferBytes / std::size_t(recordSize_));
    buffer_.resize(perBuffer * std::size_t(recordSize_));
    return true;
}

void RecordStream::fill() {
    const std::size_t size = std::size_t(recordSize_);
    const std::size_t wanted = std::min(buffer_.size(), std::size_t(count_ - read_) * size);
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t got =
            ::pread(fd_, buffer_.data() + done, wanted - done, off_t(offset_ + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw FileError(path_, systemReason(errno));
        }
        if (got == 0) {
            // The file shrank while we read: what is there is whole.
            count_ = read_ + std::int32_t(done / size);
            break;
        }
        done += std::size_t(got);
    }
    offset_ += done;
    filled_ = done / size * size;
    used_ = 0;
}

void RecordStream::Rewind() {
    read_ = 0;
    offset_ = 0;
    used_ = 0;
    filled_ = 0;
}

const std::uint8_t* RecordStream::next() {
    if (fd_ < 0 || read_ >= count_) {
        return nullptr;
    }
    if (used_ >= filled_) {
        fill();
        if (filled_ == 0) {
            return nullptr;
        }
    }
    const std::uint8_t* record = buffer_.data() + used_;
    used_ += std::size_t(recordSize_);
    ++read_;
    return record;
}

} // namespace trevik
