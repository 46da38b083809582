#pragma once

#include "storage/RecordSet.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace trevik {

// Reads a record file front to back through a small buffer, under the shared lock that
// RecordSet::OpenForReading takes, for scans that look at every record once and keep few:
// the whole file is never held in memory, which for a large file costs more than the scan.
class RecordStream {
public:
    RecordStream(const std::filesystem::path& directory, const char* fileName,
                 std::int32_t recordSize);
    ~RecordStream();
    RecordStream(const RecordStream&) = delete;
    RecordStream& operator=(const RecordStream&) = delete;

    // Opens and locks the file; true when it exists. A missing file has no records. Throws
    // FileError when the file exists but cannot be had.
    bool Open();
    // The next whole record's bytes, valid until the next call; null after the last one.
    // Throws FileError when a read fails.
    const std::uint8_t* next();
    // Back to the first record, still under the same lock: a second pass reads what the
    // first read.
    void Rewind();
    // The number of whole records the file held when it was opened.
    std::int32_t count() const { return count_; }

private:
    void fill();

    std::filesystem::path path_;
    std::int32_t recordSize_;
    int fd_ = -1;
    std::int32_t count_ = 0;
    std::int32_t read_ = 0;
    std::size_t offset_ = 0;
    std::vector<std::uint8_t, UninitializedAllocator<std::uint8_t>> buffer_;
    std::size_t used_ = 0;
    std::size_t filled_ = 0;
};

// Calls visit(record bytes) for every whole record of the file in file order.
template <typename Visit>
void forEachRecord(const std::filesystem::path& directory, const char* fileName,
                   std::int32_t recordSize, Visit visit) {
    RecordStream stream(directory, fileName, recordSize);
    stream.Open();
    while (const std::uint8_t* record = stream.next()) {
        visit(record);
    }
}

} // namespace trevik
