#include "storage/CalSet.h"

#include "common/LittleEndian.h"
#include "common/TextField.h"
#include "storage/StampedRecords.h"

namespace trevik {

namespace {
constexpr std::size_t kCommentOffset = 32;
constexpr std::size_t kCommentWidth = 30;
constexpr std::size_t kFileLinkOffset = 97;
constexpr std::size_t kFileLinkWidth = 65;
} // namespace

CalSet::CalSet(const std::filesystem::path& directory)
    : RecordSet(directory, kFileName, kRecordSize) {}

void CalSet::AfterRead() {
    const std::uint8_t* b = buffer();
    id = loadLE<std::int32_t>(b + 4);
    created = loadLE<double>(b + 8);
    originUid = loadLE<std::int32_t>(b + 16);
    updated = loadLE<double>(b + 20);
    addressLink = loadLE<std::int32_t>(b + 28);
    comment = readTextField(b + kCommentOffset, kCommentWidth);
    type = loadLE<std::int16_t>(b + 62);
    dateFrom = loadLE<std::int32_t>(b + 64);
    dateTo = loadLE<std::int32_t>(b + 68);
    timeFrom = loadLE<double>(b + 72);
    timeTo = loadLE<double>(b + 80);
    alarm = loadLE<double>(b + 88);
    flag = b[96];
    fileLink = readTextField(b + kFileLinkOffset, kFileLinkWidth);
    repeat = loadLE<std::int16_t>(b + 162);
}

void CalSet::BeforeWrite() {
    std::uint8_t* b = buffer();
    storeLE(b + 4, id);
    storeLE(b + 8, created);
    storeLE(b + 16, originUid);
    storeLE(b + 20, updated);
    storeLE(b + 28, addressLink);
    writeTextField(b + kCommentOffset, kCommentWidth, comment);
    storeLE(b + 62, type);
    storeLE(b + 64, dateFrom);
    storeLE(b + 68, dateTo);
    storeLE(b + 72, timeFrom);
    storeLE(b + 80, timeTo);
    storeLE(b + 88, alarm);
    b[96] = flag;
    writeTextField(b + kFileLinkOffset, kFileLinkWidth, fileLink);
    storeLE(b + 162, repeat);
}

std::int32_t CalSet::FindById(std::int32_t wanted) {
    return FindStampedById(*this, wanted);
}

std::int32_t CalSet::NextId() {
    return LargestId(*this, count());
}

std::int32_t CalSet::FindByOrigin(DateTime wantedCreated, std::int32_t wantedOrigin) {
    return FindStampedByOrigin(*this, wantedCreated, wantedOrigin);
}

} // namespace trevik
