#include "editor/EditorSetup.h"

#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"

namespace trevik {

namespace {

EditorSetup newHalves(const EditorRequest& request) {
    EditorSetup setup;
    setup.findCase = 1;
    const bool findBar = request.mode == kFindBarMode || request.mode == kEnterMode;
    if (findBar || request.mode == kNewContactMode) {
        setup.nameText = request.findText;
    }
    if (findBar || request.mode == kNewEntryMode) {
        setup.commentText = request.findText;
    }
    setup.focusComment = request.mode == kNewEntryMode;
    return setup;
}

// Loads the selected calendar entry, or says why the editor does not open.
EditorSetup::Outcome loadSelectedEntry(const std::filesystem::path& directory,
                                       const EditorRequest& request, EditorSetup& setup) {
    switch (request.selectedRow.kind) {
    case CalendarSelection::None:
        return EditorSetup::NoEntrySelected;
    case CalendarSelection::DayHeader:
        return EditorSetup::Nothing;
    case CalendarSelection::Entry:
        break;
    }
    setup.entry = loadEntry(directory, request.selectedRow.entryId);
    return setup.entry ? EditorSetup::Open : EditorSetup::Nothing;
}

} // namespace

EditorSetup PrepareEditor(const std::filesystem::path& directory, const EditorRequest& request) {
    // The find bar's OK makes both halves new whatever the last find found.
    const bool addressMatch = request.mode != kFindBarMode && request.addressMatch;
    const bool calendarMatch = request.mode != kFindBarMode && request.calendarMatch;
    if (!calendarMatch && !addressMatch) {
        return newHalves(request);
    }
    EditorSetup setup;
    if (calendarMatch) {
        setup.findCase = addressMatch ? 4 : 3;
        setup.outcome = loadSelectedEntry(directory, request, setup);
        if (setup.outcome != EditorSetup::Open) {
            return setup;
        }
        if (!addressMatch) {
            if (setup.entry->addressLink != -1) {
                setup.contact = loadContact(directory, setup.entry->addressLink);
                setup.linkChecked = setup.contact.has_value();
            }
            return setup;
        }
    } else {
        setup.findCase = 2;
    }
    if (!request.selectedContactId) {
        setup.outcome = EditorSetup::NoContactSelected;
        return setup;
    }
    setup.contact = loadContact(directory, *request.selectedContactId);
    if (!setup.contact) {
        setup.outcome = EditorSetup::Nothing;
        return setup;
    }
    setup.linkChecked =
        calendarMatch ? setup.contact->id == setup.entry->addressLink : request.mode == kDropMode;
    return setup;
}

} // namespace trevik
