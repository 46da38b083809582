#pragma once

#include "calendar/CalendarTexts.h"
#include "common/Locale.h"
#include "storage/CalendarEntryRecord.h"
#include "storage/ContactRecord.h"

#include <string>
#include <vector>

namespace trevik {

inline constexpr const char* kAddNewCaption = "Add new item?";
inline constexpr const char* kReplaceCaption = "Replace Item 1 with Item 2?";

// The six lines the prompt shows for a contact: name, home, work, address, email, misc.
std::vector<std::string> contactPromptLines(const Contact& contact);
// The five lines of an entry: comment, date (dd/mmm/yyyy), time (hh:nn), type name and the
// change stamp (dd/mmm/yyyy, hh:nn); an absent date or time reads "none entered.".
std::vector<std::string> entryPromptLines(const CalendarEntry& entry, const TypeNames& types,
                                          const Locale& locale);

} // namespace trevik
