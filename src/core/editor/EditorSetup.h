#pragma once

#include "storage/AddrSet.h"
#include "storage/CalSet.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace trevik {

// How the entry editor is opened.
enum EditorMode : int {
    kFindBarMode = 0,
    kEnterMode = 1,
    kNewContactMode = 11,
    kEditContactMode = 12,
    kNewEntryMode = 13,
    kEditEntryMode = 14,
    kDropMode = 15,
};

struct CalendarSelection {
    enum Kind { None, DayHeader, Entry } kind = None;
    std::int32_t entryId = 0;
};

struct EditorRequest {
    int mode = kFindBarMode;
    // The two halves of the last find: whether each pane's half edits what was found.
    bool addressMatch = false;
    bool calendarMatch = false;
    std::string findText;
    // The first selected contact of the address list, if any.
    std::optional<std::int32_t> selectedContactId;
    CalendarSelection selectedRow;
};

// What the editor opens with.
struct EditorSetup {
    enum Outcome {
        Open,
        NoContactSelected, // "No items selected", caption "Error"
        NoEntrySelected,   // "No items selected", no caption
        Nothing,           // a day header, or a record that is gone: nothing opens
    } outcome = Open;
    // 1: both halves new; 2: contact found; 3: entry found; 4: both found.
    int findCase = 1;
    std::optional<Contact> contact;
    std::optional<CalendarEntry> entry;
    bool linkChecked = false;
    bool focusComment = false;
    // The find text copied into a new contact's name and a new entry's comment.
    std::string nameText;
    std::string commentText;
};

EditorSetup PrepareEditor(const std::filesystem::path& directory, const EditorRequest& request);

} // namespace trevik
