#include "storage/SafeSave.h"

#include "storage/FileLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevik {

namespace {

// Closing a descriptor releases its lock, also when a step in between throws.
struct ClosesOnExit {
    int fd;
    ~ClosesOnExit() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

bool isLink(const std::filesystem::path& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

void syncDirectory(const std::filesystem::path& directory) {
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Six characters after the target's name and a dot, as mkstemp makes them.
bool isUniqueTemporaryOf(const std::string& name, const std::string& targetName) {
    return name.size() == targetName.size() + 7 &&
           name.compare(0, targetName.size(), targetName) == 0 && name[targetName.size()] == '.';
}

} // namespace

std::filesystem::path followLinks(const std::filesystem::path& path, std::string& error) {
    if (!isLink(path)) {
        return path;
    }
    std::error_code failure;
    std::filesystem::path target = std::filesystem::canonical(path, failure);
    if (failure) {
        error = path.string() + ": is a symbolic link to a file that does not exist";
        return path;
    }
    return target;
}

std::string saveSafely(const std::filesystem::path& target, std::string_view bytes,
                       const SaveOptions& options) {
    std::string error;
    const std::filesystem::path real = followLinks(target, error);
    if (!error.empty()) {
        return error;
    }
    const std::filesystem::path directory = real.parent_path();
    std::filesystem::path temp;
    int fd = -1;
    if (!options.fixedTempName.empty()) {
        temp = directory / options.fixedTempName;
        if (isLink(temp)) {
            return temp.string() + ": is a symbolic link; remove it and try again";
        }
        LockedFile file = openLocked(temp, LockAccess::Create);
        if (file.fd < 0) {
            return temp.string() + ": " + file.reason;
        }
        fd = file.fd;
    } else {
        std::string pattern = real.string() + ".XXXXXX";
        fd = ::mkstemp(pattern.data());
        if (fd < 0) {
            return "cannot create a file beside " + real.string() + ": " + systemReason(errno);
        }
        temp = pattern;
        flock(fd, LOCK_EX | LOCK_NB); // marks it as being written; nobody else has it yet
    }
    ClosesOnExit closer{fd};
    struct stat old {};
    const bool existed = ::stat(real.c_str(), &old) == 0;
    const mode_t mode = existed ? (old.st_mode & 07777) : 0600;
    bool written = ::ftruncate(fd, 0) == 0 && ::fchmod(fd, mode) == 0;
    if (written && existed && ::geteuid() == 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    }
    written = written && writeAllAt(fd, bytes.data(), bytes.size(), 0) && ::fsync(fd) == 0;
    if (!written) {
        const int reason = errno;
        ::unlink(temp.c_str());
        return "cannot write " + temp.string() + ": " + systemReason(reason);
    }
    if (options.beforeReplace) {
        options.beforeReplace();
    }
    if (std::rename(temp.c_str(), real.c_str()) != 0) {
        const int reason = errno;
        ::unlink(temp.c_str());
        return "cannot replace " + real.string() + ": " + systemReason(reason);
    }
    syncDirectory(directory);
    return {};
}

void removeStaleTemporary(const std::filesystem::path& file) {
    if (isLink(file)) {
        return;
    }
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return;
    }
    const ClosesOnExit closer{fd};
    struct stat open {};
    struct stat named {};
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || fstat(fd, &open) != 0 || !S_ISREG(open.st_mode) ||
        ::stat(file.c_str(), &named) != 0 || open.st_ino != named.st_ino ||
        open.st_dev != named.st_dev) {
        return;
    }
    ::unlink(file.c_str());
}

void removeStaleTemporaries(const std::filesystem::path& target) {
    std::string ignored;
    const std::filesystem::path real = followLinks(target, ignored);
    const std::string name = real.filename().string();
    std::error_code failure;
    for (const auto& entry : std::filesystem::directory_iterator(
             real.parent_path().empty() ? "." : real.parent_path(), failure)) {
        if (isUniqueTemporaryOf(entry.path().filename().string(), name)) {
            removeStaleTemporary(entry.path());
        }
    }
}

} // namespace trevik
