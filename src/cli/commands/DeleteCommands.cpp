#include "Arguments.h"
#include "Command.h"
#include "address/AddressDeletion.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"

namespace trevik::cli {

namespace {

void finish(const RecordResult& result, const std::string& what) {
    if (!result.error.empty()) {
        throw std::runtime_error(result.error);
    }
    if (!result.found) {
        throw UsageError("there is no " + what);
    }
}

class DeleteContactCommand final : public Command {
public:
    const char* name() const override { return "delete-contact"; }
    const char* usage() const override { return "delete-contact ID"; }
    const char* summary() const override {
        return "deletes a contact and clears the calendar links to it, without questions";
    }
    int run(const std::vector<std::string>& words, CliContext& context) override {
        const Arguments args(words, {});
        args.expectPositional(1, 1);
        const std::int32_t id = parseId(args.positional()[0], "a contact id");
        if (!LoadContact(context.dataDir, id)) {
            throw UsageError("there is no contact " + args.positional()[0]);
        }
        finish(DeleteAddress(context.dataDir, id).result, "contact " + args.positional()[0]);
        return 0;
    }
};

class DeleteEntryCommand final : public Command {
public:
    const char* name() const override { return "delete-entry"; }
    const char* usage() const override { return "delete-entry ID"; }
    const char* summary() const override { return "deletes a calendar entry, without questions"; }
    int run(const std::vector<std::string>& words, CliContext& context) override {
        const Arguments args(words, {});
        args.expectPositional(1, 1);
        const std::int32_t id = parseId(args.positional()[0], "an entry id");
        finish(DeleteEntry(context.dataDir, id), "entry " + args.positional()[0]);
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> MakeDeleteContactCommand() {
    return std::make_unique<DeleteContactCommand>();
}

std::unique_ptr<Command> MakeDeleteEntryCommand() {
    return std::make_unique<DeleteEntryCommand>();
}

} // namespace trevik::cli
