#include "Command.h"
#include "CommandFactories.h"
#include "RecordLookup.h"
#include "RecordResultCheck.h"
#include "address/AddressDeletion.h"
#include "storage/EntryRecords.h"

namespace trevik::cli {

namespace {

class DeleteContactCommand final : public Command {
public:
    const char* name() const override { return "delete-contact"; }
    const char* usage() const override { return "delete-contact ID"; }
    const char* summary() const override {
        return "deletes a contact and clears the calendar links to it, without questions";
    }
    const char* details() const override { return "ID: as contacts --format json lists it.\n"; }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(1, 1);
        const std::string& id = args.positional()[0];
        const std::int32_t contactId = parseId(id, "a contact id");
        // Looked up first, so that no calendar link is cleared for a contact that is not there.
        if (!contactExists(context.dataDir, contactId)) {
            throw UsageError("there is no contact " + id);
        }
        checkRecordResult(deleteAddress(context.dataDir, contactId).result, "contact " + id);
        return 0;
    }
};

class DeleteEntryCommand final : public Command {
public:
    const char* name() const override { return "delete-entry"; }
    const char* usage() const override { return "delete-entry ID"; }
    const char* summary() const override { return "deletes a calendar entry, without questions"; }
    const char* details() const override { return "ID: as view --format json lists it.\n"; }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(1, 1);
        const std::string& id = args.positional()[0];
        checkRecordResult(deleteEntry(context.dataDir, parseId(id, "an entry id")), "entry " + id);
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeDeleteContactCommand() {
    return std::make_unique<DeleteContactCommand>();
}

std::unique_ptr<Command> makeDeleteEntryCommand() {
    return std::make_unique<DeleteEntryCommand>();
}

} // namespace trevik::cli
