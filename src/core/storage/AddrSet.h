#pragma once

#include "storage/ContactRecord.h"
#include "storage/RecordSet.h"

#include <cstdint>
#include <string>

namespace trevik {

// ADDRESS.TVD: one 360-byte record per contact. The typed fields of the current record are
// the inherited Contact members.
class AddrSet : public RecordSet, public Contact {
public:
    static constexpr std::int32_t kRecordSize = kContactRecordSize;
    static constexpr const char* kFileName = "ADDRESS.TVD";

    explicit AddrSet(const std::filesystem::path& directory = {});

    // Position of the first record with this id (then current), 0 when none.
    std::int32_t FindById(std::int32_t id);
    // The largest id in the file, 0 when empty.
    std::int32_t NextId();
    // Position of the first record with exactly this creation stamp and origin, -1 when none.
    std::int32_t FindByOrigin(DateTime created, std::int32_t originUid);

protected:
    void AfterRead() override;
    void BeforeWrite() override;
};

} // namespace trevik
