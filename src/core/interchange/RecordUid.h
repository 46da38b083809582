#pragma once

#include "common/DateTime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace trevik {

// A record's global identity: its creation stamp and the UID of the installation that made it.
struct RecordIdentity {
    DateTime created = 0;
    std::int32_t originUid = 0;
};

// The UID a record carries in vCard and iCalendar: a version-8 UUID URN holding both parts of
// its identity bit for bit, so that reading it back finds the same record.
std::string recordUid(DateTime created, std::int32_t originUid);

// The identity a UID stands for: ours decoded exactly; any other UID (another program's) mapped
// to a fixed identity of its own, so that importing the same file twice finds the same records.
RecordIdentity identityFromUid(std::string_view uid);
// Whether the UID is one that recordUid made.
bool isRecordUid(std::string_view uid);

// A file name for a record of a vdir collection: the UID without the URN prefix, with every
// character that is unsafe in a file name replaced by "_".
std::string vdirFileStem(std::string_view uid);

} // namespace trevik
