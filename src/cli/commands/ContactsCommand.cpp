#include "Arguments.h"
#include "Command.h"
#include "Output.h"
#include "address/AddressList.h"
#include "clipboard/ClipboardLines.h"

namespace trevik::cli {

namespace {

class ContactsCommand final : public Command {
public:
    const char* name() const override { return "contacts"; }
    const char* usage() const override { return "contacts [PREFIX]"; }
    const char* summary() const override {
        return "the contacts whose names start with PREFIX, in any letter case, one address "
               "line each";
    }
    int run(const std::vector<std::string>& words, CliContext& context) override {
        const Arguments args(words, {});
        args.expectPositional(0, 1);
        const std::string prefix = args.positional().empty()
                                       ? std::string()
                                       : storedText(args.positional()[0], 30, "PREFIX");
        for (const Contact& contact : ListContacts(context.dataDir, prefix)) {
            print(context.out, AddressLine(contact));
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> MakeContactsCommand() {
    return std::make_unique<ContactsCommand>();
}

} // namespace trevik::cli
