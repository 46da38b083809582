#include "storage/RecordSet.h"

#include "storage/FileError.h"
#include "storage/FileLock.h"
#include "storage/SafeSave.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevik {

namespace {

// Reads the whole file; false (errno set) when a read fails.
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
        if (got < 0) {
            out.resize(done);
            return false;
        }
        if (got == 0) {
            out.resize(done); // the file shrank while we read: what is there is whole
            return true;
        }
        done += std::size_t(got);
    }
    return true;
}

} // namespace

RecordSet::RecordSet(std::filesystem::path directory, const char* fileName, std::int32_t recordSize)
    : directory_(std::move(directory)), path_(std::filesystem::absolute(directory_ / fileName)),
      recordSize_(recordSize), buffer_(std::size_t(recordSize), 0) {}

RecordSet::~RecordSet() {
    Close();
}

void RecordSet::fail(const std::string& reason) {
    lastReason_ = reason;
    lastError_ = path_.string() + ": " + reason;
}

bool RecordSet::Open() {
    return openWith(int(LockAccess::Create));
}

bool RecordSet::OpenForReading() {
    const bool existed = openWith(int(LockAccess::Read));
    if (!lastError_.empty()) {
        throw FileError(path_, lastReason_);
    }
    return existed;
}

bool RecordSet::openWith(int access) {
    Close();
    lastError_.clear();
    lastReason_.clear();
    readOnly_ = LockAccess(access) == LockAccess::Read;
    const LockedFile file = openLocked(path_, LockAccess(access));
    image_.clear();
    if (file.result == LockedOpen::Missing) {
        // Nothing to read: an empty set, and not an error.
    } else if (file.fd < 0) {
        fail(file.reason);
    } else {
        fd_ = file.fd;
        if (!readWhole(fd_, image_)) {
            fail(systemReason(errno));
            Close();
            image_.clear();
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

bool RecordSet::writable() {
    if (fd_ >= 0 && !readOnly_) {
        return true;
    }
    if (lastError_.empty()) {
        fail(fd_ < 0 ? "is not open" : "is open for reading only");
    }
    return false;
}

void RecordSet::Write() {
    // Appends go right after the last whole record: a partial record left by a failed write
    // is cut off first, so it can never shift the records written after it.
    const long long wholeEnd = static_cast<long long>(count_) * recordSize_;
    const long long offset =
        mode_ == Mode::Append ? wholeEnd : static_cast<long long>(position_ - 1) * recordSize_;
    BeforeWrite();
    if (!writable()) {
        return;
    }
    if (offset < 0) {
        fail("not written: no current record");
        return;
    }
    if (mode_ == Mode::Append && static_cast<long long>(image_.size()) > wholeEnd) {
        if (::ftruncate(fd_, off_t(wholeEnd)) != 0) {
            fail(systemReason(errno));
            return;
        }
        image_.resize(std::size_t(wholeEnd));
    }
    if (!writeAllAt(fd_, buffer_.data(), buffer_.size(), offset)) {
        const int reason = errno;
        if (mode_ == Mode::Append) {
            [[maybe_unused]] const int ignored = ::ftruncate(fd_, off_t(wholeEnd));
        }
        fail(systemReason(reason));
        return;
    }
    const std::size_t end = std::size_t(offset) + buffer_.size();
    if (image_.size() < end) {
        image_.resize(end);
    }
    std::memcpy(image_.data() + offset, buffer_.data(), buffer_.size());
    count_ = std::int32_t(image_.size() / std::size_t(recordSize_));
}

void RecordSet::Delete(std::int32_t n) {
    DeleteMany({n});
}

void RecordSet::DeleteMany(const std::vector<std::int32_t>& positions) {
    if (!writable()) {
        return;
    }
    std::vector<bool> doomed(std::size_t(count_) + 1, false);
    for (const std::int32_t n : positions) {
        if (n >= 1 && n <= count_) {
            doomed[std::size_t(n)] = true;
        }
    }
    std::vector<std::uint8_t> kept;
    kept.reserve(image_.size());
    First();
    while (!AtEnd()) {
        if (!doomed[std::size_t(position_)]) {
            kept.insert(kept.end(), buffer_.begin(), buffer_.end());
        }
        Next();
    }
    // The data file stays locked while it is replaced, so a process waiting for it
    // finds the new file rather than the old one.
    SaveOptions options;
    options.fixedTempName = kRewriteName;
    options.beforeReplace = [this] { BeforeReplace(); };
    const std::string error = saveSafely(
        path_, std::string_view(reinterpret_cast<const char*>(kept.data()), kept.size()), options);
    Close();
    Open();
    if (!error.empty()) {
        lastReason_ = error;
        lastError_ = error;
    }
}

} // namespace trevik
