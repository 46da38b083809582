#include "common/InstanceLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace trevik {

std::filesystem::path InstanceLock::defaultPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code ignored;
    const std::filesystem::path dir = runtime != nullptr && *runtime != '\0'
                                          ? std::filesystem::path(runtime)
                                          : std::filesystem::temp_directory_path(ignored);
    return dir / "trevik.lock";
}

InstanceLock::InstanceLock(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        anotherInstance_ = errno == EWOULDBLOCK;
        ::close(fd);
        return;
    }
    fd_ = fd;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

} // namespace trevik
