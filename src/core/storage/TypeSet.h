#pragma once

#include "storage/RecordSet.h"

#include <cstdint>
#include <string>

namespace trevik {

struct EntryType {
    std::int16_t code = 0;
    std::string name;
};

// TYPE.TVD: one 32-byte record per user-defined entry type.
class TypeSet : public RecordSet, public EntryType {
public:
    static constexpr std::int32_t kRecordSize = 32;
    static constexpr const char* kFileName = "TYPE.TVD";

    explicit TypeSet(const std::filesystem::path& directory = {});

    // Position of the first type with this code (sign-extended), 0 when none.
    std::int32_t FindByCode(std::int32_t code);
    // The largest of the record count and every code.
    std::int32_t MaxCode();

protected:
    void AfterRead() override;
    void BeforeWrite() override;
};

} // namespace trevik
