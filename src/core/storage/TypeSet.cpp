#include "storage/TypeSet.h"

#include "common/LittleEndian.h"
#include "common/TextField.h"

#include <algorithm>

namespace trevik {

namespace {
constexpr std::size_t kNameOffset = 2;
constexpr std::size_t kNameWidth = 30;
} // namespace

TypeSet::TypeSet(const std::filesystem::path& directory)
    : RecordSet(directory, kFileName, kRecordSize) {}

void TypeSet::AfterRead() {
    code = loadLE<std::int16_t>(buffer());
    name = readTextField(buffer() + kNameOffset, kNameWidth);
}

void TypeSet::BeforeWrite() {
    writeTextField(buffer() + kNameOffset, kNameWidth, name);
    storeLE(buffer(), code);
}

std::int32_t TypeSet::FindByCode(std::int32_t wanted) {
    for (bool more = BeginScan(); more && !AtEnd(); Next()) {
        if (std::int32_t(code) == wanted) {
            return position();
        }
    }
    return 0;
}

std::int32_t TypeSet::MaxCode() {
    std::int32_t largest = count();
    for (bool more = BeginScan(); more && !AtEnd(); Next()) {
        largest = std::max<std::int32_t>(largest, code);
    }
    return largest;
}

} // namespace trevik
