#pragma once

#include <array>
#include <ostream>
#include <streambuf>
#include <string>

namespace trevik::cli {

// A stream buffer over a file descriptor that remembers why a write failed, so that a full
// disk or a closed pipe on standard output is reported with its reason.
class DescriptorBuffer final : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd);
    ~DescriptorBuffer() override;
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

    // The errno of the first failed write; 0 while every write succeeded.
    int error() const { return error_; }

protected:
    int overflow(int c) override;
    std::streamsize xsputn(const char* data, std::streamsize size) override;
    int sync() override;

private:
    bool writeAll(const char* data, std::size_t size);
    bool drain();

    int fd_;
    int error_ = 0;
    std::array<char, 65536> buffer_;
};

// Why writing to `out` failed, when its buffer knows (": No space left on device"); empty
// otherwise.
std::string writeFailureReason(const std::ostream& out);

} // namespace trevik::cli
