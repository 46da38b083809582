#include "Arguments.h"
#include "Command.h"
#include "settings/Settings.h"
#include "storage/ContactRecords.h"

namespace trevik::cli {

namespace {

class AddContactCommand final : public Command {
public:
    const char* name() const override { return "add-contact"; }
    const char* usage() const override {
        return "add-contact NAME [--home T] [--work T] [--fax T] [--mobile T] [--email T] "
               "[--www T] [--address T] [--misc T]";
    }
    const char* summary() const override {
        return "adds a contact as the editor's \"Save as New\" does; prints its id";
    }
    int run(const std::vector<std::string>& words, CliContext& context) override {
        const Arguments args(words,
                             {"home", "work", "fax", "mobile", "email", "www", "address", "misc"});
        args.expectPositional(1, 1);
        Contact contact;
        contact.name = storedText(args.positional()[0], 30, "NAME");
        const struct {
            const char* option;
            std::string Contact::*field;
            std::size_t width;
        } fields[] = {{"home", &Contact::home, 30},       {"work", &Contact::work, 30},
                      {"fax", &Contact::fax, 30},         {"mobile", &Contact::mobile, 30},
                      {"email", &Contact::email, 30},     {"www", &Contact::www, 50},
                      {"address", &Contact::address, 50}, {"misc", &Contact::misc, 52}};
        for (const auto& f : fields) {
            if (const auto value = args.option(f.option)) {
                contact.*f.field = storedText(*value, f.width, f.option);
            }
        }
        const std::int32_t uid = LoadOrMakeInstallationUid(context.settings, context.clock);
        const RecordResult result = AddContact(context.dataDir, contact, context.clock, uid);
        if (!result.error.empty()) {
            throw std::runtime_error(result.error);
        }
        context.out << result.id << '\n';
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> MakeAddContactCommand() {
    return std::make_unique<AddContactCommand>();
}

} // namespace trevik::cli
