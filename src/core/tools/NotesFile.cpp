#include "tools/NotesFile.h"

#include "storage/FileError.h"
#include "storage/FileLock.h"
#include "storage/SafeSave.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace trevik {

namespace {

struct ClosesOnExit {
    int fd;
    ~ClosesOnExit() { ::close(fd); }
};

} // namespace

std::string LoadNotes(const std::filesystem::path& dir) {
    const std::filesystem::path path = dir / kNotesFileName;
    const LockedFile file = openLocked(path, LockAccess::Read);
    if (file.result == LockedOpen::Missing) {
        // Left behind as the first use always has; should it fail, the next save tells why.
        const int created = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (created >= 0) {
            ::close(created);
        }
        return {};
    }
    if (file.fd < 0) {
        throw FileError(path, file.reason);
    }
    const ClosesOnExit closer{file.fd};
    std::string bytes;
    if (!readAll(file.fd, bytes)) {
        throw FileError(path, systemReason(errno));
    }
    if (const std::size_t end = bytes.find('\0'); end != std::string::npos) {
        bytes.resize(end);
    }
    return bytes;
}

std::string SaveNotes(const std::filesystem::path& dir, std::string_view note) {
    const std::filesystem::path path = dir / kNotesFileName;
    // What an interrupted save may have left beside the file.
    removeStaleTemporaries(path);
    std::string bytes(note);
    bytes += '\0';
    return saveSafely(path, bytes);
}

} // namespace trevik
