#include "storage/RecordSet.h"

#include "storage/FileLock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevik {

namespace {

constexpr const char* kRewriteName = "$$$.$$$";

// Closing a descriptor releases its lock, also when a step in between throws.
struct ClosesOnExit {
    int fd;
    ~ClosesOnExit() { ::close(fd); }
};

template <typename Bytes> bool readWhole(int fd, Bytes& out) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        return false;
    }
    out.resize(std::size_t(info.st_size));
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got = ::pread(fd, out.data() + done, out.size() - done, off_t(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            out.resize(done);
            return got == 0;
        }
        done += std::size_t(got);
    }
    return true;
}

} // namespace

RecordSet::RecordSet(std::filesystem::path directory, const char* fileName, std::int32_t recordSize)
    : directory_(std::move(directory)), path_(directory_ / fileName), recordSize_(recordSize),
      buffer_(std::size_t(recordSize), 0) {}

RecordSet::~RecordSet() {
    Close();
}

void RecordSet::fail(std::string what) {
    lastError_ = std::move(what);
    if (errno != 0) {
        lastError_ += ": ";
        lastError_ += std::strerror(errno);
    }
}

bool RecordSet::Open() {
    Close();
    lastError_.clear();
    const LockedFile file = openLocked(path_, true);
    image_.clear();
    if (file.result == LockedOpen::TimedOut) {
        errno = 0;
        fail(path_.string() + " is in use by another program");
    } else if (file.fd < 0) {
        fail("cannot open " + path_.string());
    } else {
        fd_ = file.fd;
        if (!readWhole(fd_, image_)) {
            fail("cannot read " + path_.string());
        }
    }
    count_ = std::int32_t(image_.size() / std::size_t(recordSize_));
    if (count_ > 0) {
        position_ = 1;
    }
    return file.result == LockedOpen::Opened;
}

void RecordSet::Close() {
    if (fd_ >= 0) {
        ::close(fd_); // also releases the lock
        fd_ = -1;
    }
}

bool RecordSet::NoCurrent() const {
    return count_ == 0 || position_ == 0 || position_ > count_;
}

bool RecordSet::AtEnd() const {
    return position_ > count_ || count_ == 0;
}

void RecordSet::readCurrent() {
    const std::size_t offset = std::size_t(position_ - 1) * std::size_t(recordSize_);
    // A read at or past the end transfers nothing and leaves the buffer as it was.
    if (position_ >= 1 && offset + std::size_t(recordSize_) <= image_.size()) {
        std::memcpy(buffer_.data(), image_.data() + offset, std::size_t(recordSize_));
    }
    AfterRead();
}

void RecordSet::First() {
    position_ = 1;
    readCurrent();
}

bool RecordSet::BeginScan() {
    if (count_ == 0) {
        return false;
    }
    First();
    return true;
}

void RecordSet::Next() {
    ++position_;
    readCurrent();
}

bool RecordSet::GoTo(std::int32_t n) {
    if (n < 1 || n > count_) {
        return false;
    }
    position_ = n;
    readCurrent();
    return true;
}

void RecordSet::NewRecord() {
    mode_ = Mode::Append;
    std::fill(buffer_.begin(), buffer_.end(), 0);
    AfterRead();
}

void RecordSet::BeginEdit() {
    mode_ = Mode::Overwrite;
}

void RecordSet::Write() {
    const long long offset = mode_ == Mode::Append
                                 ? static_cast<long long>(image_.size())
                                 : static_cast<long long>(position_ - 1) * recordSize_;
    BeforeWrite();
    if (fd_ < 0) {
        errno = 0;
        fail("not written: " + path_.string() + " is not open");
        return;
    }
    if (offset < 0) {
        errno = 0;
        fail("not written: no current record in " + path_.string());
        return;
    }
    if (!writeAllAt(fd_, buffer_.data(), buffer_.size(), offset)) {
        fail("cannot write " + path_.string());
        return;
    }
    const std::size_t end = std::size_t(offset) + buffer_.size();
    if (image_.size() < end) {
        image_.resize(end);
    }
    std::memcpy(image_.data() + offset, buffer_.data(), buffer_.size());
    count_ = std::int32_t(image_.size() / std::size_t(recordSize_));
}

bool RecordSet::writeRewritten(const std::vector<std::uint8_t>& bytes) {
    const std::filesystem::path rewrite = directory_ / kRewriteName;
    const LockedFile temp = openLocked(rewrite, true);
    if (temp.fd < 0) {
        fail("cannot create " + rewrite.string());
        return false;
    }
    const ClosesOnExit closer{temp.fd};
    const bool written = ::ftruncate(temp.fd, 0) == 0 &&
                         writeAllAt(temp.fd, bytes.data(), bytes.size(), 0) &&
                         ::fsync(temp.fd) == 0;
    if (!written) {
        fail("cannot write " + rewrite.string());
        return false;
    }
    BeforeReplace();
    // The rename replaces the data file in one step: at every instant one complete file
    // exists under its name.
    if (std::rename(rewrite.c_str(), path_.c_str()) != 0) {
        fail("cannot replace " + path_.string());
        return false;
    }
    return true;
}

void RecordSet::Delete(std::int32_t n) {
    std::vector<std::uint8_t> kept;
    kept.reserve(image_.size());
    First();
    while (!AtEnd()) {
        if (position_ != n) {
            kept.insert(kept.end(), buffer_.begin(), buffer_.end());
        }
        Next();
    }
    if (fd_ < 0) {
        errno = 0;
        fail("not deleted: " + path_.string() + " is not open");
        return;
    }
    // The data file stays locked while it is replaced, so a process waiting for it
    // finds the new file rather than the old one.
    const bool replaced = writeRewritten(kept);
    Close();
    const std::string error = lastError_;
    Open();
    if (!replaced) {
        lastError_ = error;
    }
}

} // namespace trevik
