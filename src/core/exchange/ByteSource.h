#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace trevik {

// Bytes read at offsets: an exchange file on disk (or removable media), or bytes in memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::int64_t size() const = 0;
    // Copies `count` bytes at `offset` into `out`; false when the source holds fewer.
    virtual bool read(std::int64_t offset, std::uint8_t* out, std::size_t count) = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::int64_t size() const override { return std::int64_t(bytes_.size()); }
    bool read(std::int64_t offset, std::uint8_t* out, std::size_t count) override;

private:
    std::string_view bytes_;
};

// A file read through a window of a few hundred kilobytes, so that a file of any size (a
// wrong file picked by mistake) costs no more memory than a small one. Opened read-only with a
// shared lock; a read error throws FileError.
class FileSource final : public ByteSource {
public:
    // Throws FileError when the file exists but cannot be opened.
    explicit FileSource(const std::filesystem::path& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool exists() const { return fd_ >= 0; }
    std::int64_t size() const override { return size_; }
    bool read(std::int64_t offset, std::uint8_t* out, std::size_t count) override;

private:
    std::filesystem::path path_;
    int fd_ = -1;
    std::int64_t size_ = 0;
    std::vector<std::uint8_t> window_;
    std::int64_t windowStart_ = 0;
};

} // namespace trevik
