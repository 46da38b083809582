// What trevik-cli prints: tab-separated rows that stay one line each, JSON for scripts, and
// a failed write to standard output reported as a failure.
#include "CliFixture.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"

#include <regex>
#include <set>
#include <streambuf>

using namespace trevik;
using trevik::test::CliFixture;
using trevik::test::CliRun;

namespace {

// Texts as they may arrive from the window or an exchange file: every character the
// escapes must handle. Returns the contact's id.
std::int32_t addAwkwardContact(CliFixture& f) {
    Contact c;
    c.name = "Q\"uote\\";
    c.address = "a\r\nb";
    c.misc = "c\rd\ne\tf\x01g";
    c.www = "\xe9\x80";
    return addContact(f.data.path(), c, f.clock, 1234).id;
}

// A device that takes nothing, like a full disk.
struct FullDevice : std::streambuf {
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    int overflow(int) override { return traits_type::eof(); }
};

} // namespace

TEST_F(CliFixture, TabSeparatedFieldsEscapeLineBreaksTabsAndBackslashes) {
    diary();
    addAwkwardContact(*this);
    EXPECT_EQ(ok({"contacts", "Q"}), "Q\"uote\\\\\t\t\t\t\t\t\xc3\xa9\xe2\x82\xac\ta\\nb\t"
                                     "c\\nd\\ne\\tf\x01g\n");
    ok({"add-entry", "Call\r\nback\\", "--date", "2026-12-09"});
    addType(data.path(), "\tTabbed");
    ok({"add-entry", "Course", "--date", "2026-03-02", "--to", "2026-03-03", "--type", "2"});
    const std::string week = ok({"view", "week", "2026-12-09"});
    EXPECT_NE(week.find("\n\t\tCall\\nback\\\\\t \t \n"), std::string::npos) << week;
    EXPECT_EQ(ok({"view", "day", "2026-03-02"}),
              "\t\tMon 2. Mar 2026.\t\n\t\\tTabbed\tCourse\t \t \n\tTo Do\tBuy milk\t \t \n");
    EXPECT_EQ(ok({"planner", "2026"}),
              "03-02\t\\t\t9\n03-03\t\\t\t9\n12-10\t#\t4\n12-11\t#\t4\n12-12\t#\t4\n");
    ok({"add-entry", "Ring\r\nring", "--date", "2026-12-09", "--alarm", "7:00"});
    EXPECT_EQ(ok({"alarms", "2026-12-09", "7:00"}), "Ring\\nring\n");
    EXPECT_EQ(ok({"types", "--format", "tsv"}), "1\tWork\n2\t\\tTabbed\n");
}

TEST_F(CliFixture, JsonListsEveryReadCommandsRowsWithNamedFields) {
    diary();
    EXPECT_EQ(ok({"types", "--format", "json"}), "[\n{\"code\":1,\"name\":\"Work\"}\n]\n");
    EXPECT_EQ(
        ok({"contacts", "--format", "json"}),
        "[\n{\"id\":1,\"name\":\"Anna\",\"home\":\"\",\"work\":\"\",\"fax\":\"\",\"mobile\":"
        "\"\",\"email\":\"anna@example.org\",\"www\":\"\",\"address\":\"\",\"misc\":\"\"}\n]\n");
    EXPECT_EQ(ok({"view", "day", "--format", "json"}),
              "[\n"
              "{\"row\":\"day\",\"text\":\"Mon 7. Dec 2026.\"},\n"
              "{\"row\":\"entry\",\"id\":2,\"time\":\"8:00\",\"type\":\"\",\"comment\":\"Early "
              "call\",\"fileLink\":\"\",\"contactId\":null},\n"
              "{\"row\":\"entry\",\"id\":1,\"time\":\"9:30\",\"type\":\"Work\",\"comment\":"
              "\"Dentist\",\"fileLink\":\"\",\"contactId\":1},\n"
              "{\"row\":\"entry\",\"id\":5,\"time\":\"\",\"type\":\"To Do\",\"comment\":\"Buy "
              "milk\",\"fileLink\":\"\",\"contactId\":null}\n"
              "]\n");
    EXPECT_EQ(ok({"view", "day", "2026-12-08", "--format", "json"}),
              "[\n{\"row\":\"day\",\"text\":\"Tue 8. Dec 2026.\"},\n"
              "{\"row\":\"entry\",\"id\":7,\"time\":\"\",\"type\":\"\",\"comment\":\"Review\","
              "\"fileLink\":\"/home/me/review.odt\",\"contactId\":null},\n"
              "{\"row\":\"entry\",\"id\":5,\"time\":\"\",\"type\":\"To Do\",\"comment\":\"Buy "
              "milk\",\"fileLink\":\"\",\"contactId\":null}\n]\n");
    EXPECT_EQ(ok({"planner", "--format", "json", "2026"}),
              "[\n{\"date\":\"2026-12-10\",\"marks\":\"#\",\"periodId\":4},\n"
              "{\"date\":\"2026-12-11\",\"marks\":\"#\",\"periodId\":4},\n"
              "{\"date\":\"2026-12-12\",\"marks\":\"#\",\"periodId\":4}\n]\n");
    EXPECT_EQ(ok({"alarms", "2026-12-08", "9:30", "--format", "json"}),
              "[\n{\"comment\":\"Review\"}\n]\n");
    EXPECT_EQ(ok({"alarms", "2026-12-08", "9:31", "--format", "json"}), "[]\n");
    EXPECT_EQ(ok({"contacts", "zz", "--format", "json"}), "[]\n");

    const CliRun bad = run({"types", "--format", "xml"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "trevik-cli types: unknown format 'xml' (tsv or json)\n");
}

TEST_F(CliFixture, JsonStringsAreEscapedUtf8) {
    const std::int32_t id = addAwkwardContact(*this);
    EXPECT_EQ(ok({"contacts", "--format", "json"}),
              "[\n{\"id\":" + std::to_string(id) +
                  ",\"name\":\"Q\\\"uote\\\\\",\"home\":\"\",\"work\":\"\",\"fax\":\"\","
                  "\"mobile\":\"\",\"email\":\"\",\"www\":\"\xc3\xa9\xe2\x82\xac\",\"address\":"
                  "\"a\\r\\nb\",\"misc\":\"c\\rd\\ne\\tf\\u0001g\"}\n]\n");
}

TEST_F(CliFixture, EachReadCommandsHelpNamesItsJsonFieldsAndTheEscapes) {
    diary();
    const std::vector<std::vector<std::string>> reads = {{"contacts"},
                                                         {"view", "week", "2026-12-09"},
                                                         {"planner", "2026"},
                                                         {"alarms", "2026-12-08", "9:30"},
                                                         {"types"}};
    const std::regex key("\"([A-Za-z]+)\":");
    for (const auto& args : reads) {
        std::vector<std::string> json = args;
        json.insert(json.end(), {"--format", "json"});
        const std::string out = ok(json);
        const std::string help = ok({args[0], "--help"});
        std::set<std::string> keys;
        for (auto it = std::sregex_iterator(out.begin(), out.end(), key);
             it != std::sregex_iterator(); ++it) {
            keys.insert((*it)[1]);
        }
        EXPECT_FALSE(keys.empty()) << args[0];
        for (const std::string& name : keys) {
            EXPECT_NE(help.find(name), std::string::npos) << args[0] << " --help lacks " << name;
        }
        EXPECT_NE(help.find("--format tsv|json"), std::string::npos) << help;
    }
    const std::string tool = ok({"--help"});
    EXPECT_NE(tool.find("a line break is printed as \\n, a tab as \\t and a backslash as \\\\"),
              std::string::npos)
        << tool;
}

TEST_F(CliFixture, AFailedWriteToStandardOutputEndsWithOneAndSaysSo) {
    FullDevice full;
    std::ostream out(&full);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"types", "--help"}, {"add-type", "Work"}}) {
        out.clear();
        const CliRun r = runTo(out, args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.err, "trevik-cli: cannot write to standard output\n");
    }
    // The type was added; only its code could not be printed.
    EXPECT_EQ(ok({"types"}), "1\tWork\n");
}
