#include "exchange/RecycleBin.h"

#include "common/LittleEndian.h"
#include "storage/FileError.h"
#include "storage/FileLock.h"
#include "storage/SafeSave.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace trevik {

namespace {

std::size_t recordSizeOf(std::uint8_t tag) {
    return tag == kContactTag ? kContactRecordSize : tag == kEntryTag ? kCalendarRecordSize : 0;
}

std::string encodeHeader(const BinHeader& header) {
    std::array<std::uint8_t, kBinHeaderSize> bytes{};
    storeLE(bytes.data(), header.addressCount);
    storeLE(bytes.data() + 4, header.calendarCount);
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Walks whole entries from just after the header: at most `limit` of them, stopping at an
// unknown tag or a cut entry. Returns the end of the last whole entry.
std::size_t walkEntries(std::string_view bytes, std::int64_t limit, std::vector<BinEntry>* out,
                        BinHeader& counted) {
    std::size_t at = kBinHeaderSize;
    for (std::int64_t n = 0; n < limit && at < bytes.size(); ++n) {
        const auto tag = static_cast<std::uint8_t>(bytes[at]);
        const std::size_t size = recordSizeOf(tag);
        if (size == 0 || bytes.size() - at - 1 < size) {
            break;
        }
        const auto* record = reinterpret_cast<const std::uint8_t*>(bytes.data() + at + 1);
        if (tag == kContactTag) {
            ++counted.addressCount;
            if (out != nullptr) {
                BinEntry entry;
                entry.tag = tag;
                entry.contact = decodeContact(record);
                out->push_back(std::move(entry));
            }
        } else {
            ++counted.calendarCount;
            if (out != nullptr) {
                BinEntry entry;
                entry.tag = tag;
                entry.entry = decodeCalendarEntry(record);
                out->push_back(std::move(entry));
            }
        }
        at += 1 + size;
    }
    return at;
}

BinHeader decodeHeader(std::string_view bytes) {
    BinHeader header;
    if (bytes.size() >= kBinHeaderSize) {
        const auto* b = reinterpret_cast<const std::uint8_t*>(bytes.data());
        header.addressCount = loadLE<std::int32_t>(b);
        header.calendarCount = loadLE<std::int32_t>(b + 4);
    }
    return header;
}

bool readAll(int fd, std::string& out, std::int64_t size) {
    out.resize(std::size_t(size));
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got = ::pread(fd, out.data() + done, out.size() - done, off_t(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break;
        }
        done += std::size_t(got);
    }
    out.resize(done);
    return true;
}

} // namespace

BinEntry BinEntry::of(const Contact& contact) {
    BinEntry entry;
    entry.tag = kContactTag;
    entry.contact = contact;
    entry.contact.id = -1;
    return entry;
}

BinEntry BinEntry::of(const CalendarEntry& calendarEntry) {
    BinEntry entry;
    entry.tag = kEntryTag;
    entry.entry = calendarEntry;
    entry.entry.id = -1;
    entry.entry.addressLink = -1;
    return entry;
}

std::string encodeBinEntry(const BinEntry& entry) {
    const std::size_t size = recordSizeOf(entry.tag);
    std::string bytes(1 + size, '\0');
    bytes[0] = static_cast<char>(entry.tag);
    auto* record = reinterpret_cast<std::uint8_t*>(bytes.data() + 1);
    if (entry.isContact()) {
        Contact contact = entry.contact;
        contact.id = -1;
        encodeContact(contact, record);
    } else {
        CalendarEntry copy = entry.entry;
        copy.id = -1;
        copy.addressLink = -1;
        encodeCalendarEntry(copy, record);
    }
    return bytes;
}

RecycleBin parseRecycleBin(std::string_view bytes) {
    RecycleBin bin;
    if (bytes.size() < kBinHeaderSize) {
        bin.damaged = !bytes.empty();
        return bin;
    }
    bin.header = decodeHeader(bytes);
    const std::int64_t announced = std::int64_t(std::max(bin.header.addressCount, 0)) +
                                   std::int64_t(std::max(bin.header.calendarCount, 0));
    BinHeader counted;
    const std::size_t end = walkEntries(bytes, announced, &bin.entries, counted);
    bin.damaged = std::int64_t(bin.entries.size()) < announced || end != bytes.size() ||
                  counted.addressCount != bin.header.addressCount ||
                  counted.calendarCount != bin.header.calendarCount;
    return bin;
}

RecycleBin readRecycleBin(const std::filesystem::path& directory) {
    const std::filesystem::path path = std::filesystem::absolute(directory / kRecycleBinName);
    const LockedFile file = openLocked(path, LockAccess::Read);
    if (file.result == LockedOpen::Missing) {
        return {};
    }
    if (file.fd < 0) {
        throw FileError(path, file.reason);
    }
    std::string bytes;
    struct stat info {};
    const bool read = ::fstat(file.fd, &info) == 0 && readAll(file.fd, bytes, info.st_size);
    const int reason = errno;
    ::close(file.fd);
    if (!read) {
        throw FileError(path, systemReason(reason));
    }
    return parseRecycleBin(bytes);
}

std::string addToBin(const std::filesystem::path& directory, const std::vector<BinEntry>& entries) {
    if (entries.empty()) {
        return {};
    }
    const std::filesystem::path path = std::filesystem::absolute(directory / kRecycleBinName);
    const LockedFile file = openLocked(path, LockAccess::Create);
    if (file.fd < 0) {
        return path.string() + ": " + file.reason;
    }
    const int fd = file.fd;
    const auto failed = [&](int reason) {
        ::close(fd);
        return path.string() + ": " + systemReason(reason);
    };
    struct stat info {};
    std::string bytes;
    if (::fstat(fd, &info) != 0 || !readAll(fd, bytes, info.st_size)) {
        return failed(errno);
    }
    // The entries are walked every time (the bin is small): one cut, or behind an unknown tag,
    // would hide everything appended after it, so the bin is first cut back to its last whole
    // entry and its counts are made to agree with what it holds.
    BinHeader header;
    const std::int64_t end = std::int64_t(
        bytes.size() < kBinHeaderSize
            ? kBinHeaderSize
            : walkEntries(bytes, std::numeric_limits<std::int64_t>::max(), nullptr, header));
    if (end != info.st_size && ::ftruncate(fd, off_t(end)) != 0) {
        return failed(errno);
    }
    std::string appended;
    for (const BinEntry& entry : entries) {
        appended += encodeBinEntry(entry);
        ++(entry.isContact() ? header.addressCount : header.calendarCount);
    }
    // The entries first and the counts after them: a crash in between leaves entries that the
    // next append counts again, never a count without its entry.
    const std::string counts = encodeHeader(header);
    if (!writeAllAt(fd, appended.data(), appended.size(), end) ||
        !writeAllAt(fd, counts.data(), counts.size(), 0) || ::fsync(fd) != 0) {
        const int reason = errno;
        [[maybe_unused]] const int ignored = ::ftruncate(fd, off_t(end));
        return failed(reason);
    }
    ::close(fd);
    return {};
}

std::string AddAddressToBin(const std::filesystem::path& directory, const Contact& contact) {
    return addToBin(directory, {BinEntry::of(contact)});
}

std::string AddCalendarEntryToBin(const std::filesystem::path& directory,
                                  const CalendarEntry& entry) {
    return addToBin(directory, {BinEntry::of(entry)});
}

std::string EmptyRecycleBin(const std::filesystem::path& directory) {
    return saveSafely(std::filesystem::absolute(directory / kRecycleBinName),
                      encodeHeader(BinHeader{}));
}

} // namespace trevik
