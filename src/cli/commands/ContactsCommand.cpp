#include "Command.h"
#include "CommandFactories.h"
#include "JsonList.h"
#include "Output.h"
#include "OutputFormat.h"
#include "StoredText.h"
#include "TabSeparated.h"
#include "address/AddressList.h"
#include "clipboard/ClipboardLines.h"

namespace trevik::cli {

namespace {

void printTsv(std::ostream& out, const std::vector<Contact>& contacts) {
    for (Contact contact : contacts) {
        for (std::string* text :
             {&contact.name, &contact.home, &contact.work, &contact.fax, &contact.mobile,
              &contact.email, &contact.www, &contact.address, &contact.misc}) {
            *text = tsvField(*text);
        }
        print(out, addressLine(contact));
    }
}

void printJson(std::ostream& out, const std::vector<Contact>& contacts) {
    JsonList list(out);
    for (const Contact& c : contacts) {
        list.beginObject();
        list.number("id", c.id);
        list.text("name", c.name);
        list.text("home", c.home);
        list.text("work", c.work);
        list.text("fax", c.fax);
        list.text("mobile", c.mobile);
        list.text("email", c.email);
        list.text("www", c.www);
        list.text("address", c.address);
        list.text("misc", c.misc);
        list.endObject();
    }
    list.finish();
}

class ContactsCommand final : public Command {
public:
    const char* name() const override { return "contacts"; }
    const char* usage() const override { return "contacts [PREFIX] [--format tsv|json]"; }
    const char* summary() const override {
        return "the contacts whose names start with PREFIX, in any letter case, one address "
               "line each";
    }
    const char* details() const override {
        return "Contacts in file order.\n"
               "TSV fields: name, home, work, fax, mobile, email, www, address, misc.\n"
               "JSON fields: id (number), name, home, work, fax, mobile, email, www, address,\n"
               "misc (strings; address and misc may hold \"\\r\\n\").\n";
    }
    OptionNames options() const override { return {{kFormatOption}, {}}; }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(0, 1);
        const OutputFormat format = outputFormat(args);
        std::vector<Contact> contacts;
        const std::string prefix = args.positional().empty() ? "" : args.positional()[0];
        // A prefix with a character no name can hold matches nothing.
        if (const auto stored = storableText(prefix)) {
            if (stored->size() > 30) {
                throw UsageError("PREFIX is longer than 30 characters");
            }
            contacts = listContacts(context.dataDir, *stored);
        }
        if (format == OutputFormat::Json) {
            printJson(context.out, contacts);
        } else {
            printTsv(context.out, contacts);
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeContactsCommand() {
    return std::make_unique<ContactsCommand>();
}

} // namespace trevik::cli
