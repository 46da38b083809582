#include "Command.h"
#include "CommandFactories.h"
#include "StoredText.h"
#include "settings/Settings.h"
#include "storage/ContactRecords.h"

#include <span>
#include <stdexcept>

namespace trevik::cli {

namespace {

// Every text but the name, which is the positional argument, is an option named by its key.
constexpr std::span<const ContactTextField> kOptionFields(kContactTexts.begin() + 1,
                                                          kContactTexts.end());

class AddContactCommand final : public Command {
public:
    const char* name() const override { return "add-contact"; }
    const char* usage() const override {
        return "add-contact NAME [--home T] [--work T] [--fax T] [--mobile T] [--email T] "
               "[--www T] [--address T] [--misc T] [--replace-unsupported]";
    }
    const char* summary() const override {
        return "adds a contact as the editor's \"Save as New\" does; prints its id";
    }
    const char* details() const override {
        return "NAME (not empty), --home, --work, --fax, --mobile, --email: at most 30 characters\n"
               "each; --www, --address and --misc at most 50. Only --address and --misc hold\n"
               "line breaks, as CR LF.\n"
               "--replace-unsupported: store a character Windows-1252 lacks as \"?\" instead of\n"
               "refusing the text.\n";
    }
    OptionNames options() const override {
        OptionNames names{{}, {kReplaceUnsupported}};
        for (const ContactTextField& field : kOptionFields) {
            names.values.push_back(field.key);
        }
        return names;
    }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(1, 1);
        const bool replace = args.flag(kReplaceUnsupported);
        Contact contact;
        contact.name =
            storedText(args.positional()[0], "NAME", {kContactTexts[0].inputWidth, false, replace});
        if (contact.name.empty()) {
            throw UsageError("NAME is empty");
        }
        for (const ContactTextField& field : kOptionFields) {
            if (const auto value = args.option(field.key)) {
                contact.*field.member =
                    storedText(*value, field.key, {field.inputWidth, field.memo, replace});
            }
        }
        const std::int32_t uid = loadOrMakeInstallationUid(context.settings, context.clock);
        const RecordResult result = addContact(context.dataDir, contact, context.clock, uid);
        if (!result.error.empty()) {
            throw std::runtime_error(result.error);
        }
        context.out << result.id << '\n';
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeAddContactCommand() {
    return std::make_unique<AddContactCommand>();
}

} // namespace trevik::cli
