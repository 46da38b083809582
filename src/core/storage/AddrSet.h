#pragma once

#include "common/DateTime.h"
#include "storage/RecordSet.h"

#include <cstdint>
#include <string>

namespace trevik {

// One contact. Texts are Windows-1252 bytes, as stored.
struct Contact {
    std::int32_t id = 0;
    DateTime updated = 0;
    DateTime created = 0;
    std::int32_t originUid = 0;
    std::string name;
    std::string home;
    std::string work;
    std::string fax;
    std::string mobile;
    std::string email;
    std::string www;
    std::string address;
    std::string misc;
};

// ADDRESS.TVD: one 360-byte record per contact. The typed fields of the current record are
// the inherited Contact members.
class AddrSet : public RecordSet, public Contact {
public:
    static constexpr std::int32_t kRecordSize = 360;
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
