#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace trevik {

// A file that exists but could not be read (held too long by another program, no permission,
// a dangling link, an I/O error). Readers throw it rather than show an empty diary; what()
// names the file and the reason, ready to show to the user.
class FileError : public std::runtime_error {
public:
    FileError(std::filesystem::path path, const std::string& reason)
        : std::runtime_error(path.string() + ": " + reason), path_(std::move(path)),
          reason_(reason) {}

    const std::filesystem::path& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    std::filesystem::path path_;
    std::string reason_;
};

} // namespace trevik
