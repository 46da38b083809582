#include "DescriptorBuffer.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace trevik::cli {

DescriptorBuffer::DescriptorBuffer(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorBuffer::~DescriptorBuffer() {
    drain();
}

bool DescriptorBuffer::writeAll(const char* data, std::size_t size) {
    if (error_ != 0) {
        return false;
    }
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            return false;
        }
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

bool DescriptorBuffer::drain() {
    const std::size_t pending = std::size_t(pptr() - pbase());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return writeAll(buffer_.data(), pending);
}

int DescriptorBuffer::overflow(int c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize DescriptorBuffer::xsputn(const char* data, std::streamsize size) {
    const std::size_t room = std::size_t(epptr() - pptr());
    if (std::size_t(size) <= room) {
        std::memcpy(pptr(), data, std::size_t(size));
        pbump(int(size));
        return size;
    }
    if (!drain() || !writeAll(data, std::size_t(size))) {
        return 0;
    }
    return size;
}

int DescriptorBuffer::sync() {
    return drain() ? 0 : -1;
}

std::string writeFailureReason(const std::ostream& out) {
    const auto* buffer = dynamic_cast<const DescriptorBuffer*>(out.rdbuf());
    if (buffer == nullptr || buffer->error() == 0) {
        return {};
    }
    return std::string(": ") + std::strerror(buffer->error());
}

} // namespace trevik::cli
