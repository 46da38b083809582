#include "storage/AddrSet.h"

#include "common/LittleEndian.h"
#include "common/TextField.h"
#include "storage/StampedRecords.h"

namespace trevik {

namespace {

struct TextSlot {
    std::string Contact::*member;
    std::size_t offset;
    std::size_t width;
};

constexpr TextSlot kTexts[] = {
    {&Contact::name, 28, 30}, {&Contact::home, 58, 30},     {&Contact::work, 88, 30},
    {&Contact::fax, 118, 30}, {&Contact::mobile, 148, 30},  {&Contact::email, 178, 30},
    {&Contact::www, 208, 50}, {&Contact::address, 258, 50}, {&Contact::misc, 308, 52},
};

} // namespace

AddrSet::AddrSet(const std::filesystem::path& directory)
    : RecordSet(directory, kFileName, kRecordSize) {}

void AddrSet::AfterRead() {
    const std::uint8_t* b = buffer();
    id = loadLE<std::int32_t>(b + 4);
    created = loadLE<double>(b + 8);
    originUid = loadLE<std::int32_t>(b + 16);
    updated = loadLE<double>(b + 20);
    for (const TextSlot& slot : kTexts) {
        this->*slot.member = readTextField(b + slot.offset, slot.width);
    }
}

void AddrSet::BeforeWrite() {
    std::uint8_t* b = buffer();
    storeLE(b + 4, id);
    storeLE(b + 8, created);
    storeLE(b + 16, originUid);
    storeLE(b + 20, updated);
    for (const TextSlot& slot : kTexts) {
        writeTextField(b + slot.offset, slot.width, this->*slot.member);
    }
}

std::int32_t AddrSet::FindById(std::int32_t wanted) {
    return FindStampedById(*this, wanted);
}

std::int32_t AddrSet::NextId() {
    return LargestId(*this, 0);
}

std::int32_t AddrSet::FindByOrigin(DateTime wantedCreated, std::int32_t wantedOrigin) {
    return FindStampedByOrigin(*this, wantedCreated, wantedOrigin);
}

} // namespace trevik
