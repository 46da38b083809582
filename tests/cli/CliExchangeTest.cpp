// trevik-cli prepare, apply, bin, restore and empty-bin: two installations with their own
// settings and UIDs brought into step both ways, deletions coming back only as the Deleted
// data choice says, questions at a terminal, and files that cannot be used.
#include "Cli.h"
#include "exchange/RecycleBin.h"
#include "support/ExchangeData.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using namespace trevik;
using namespace trevik::test;

namespace {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

// One installation: its own data directory and settings file (so its own UID).
struct Side {
    TempDir config;
    TempDir data;
    FixedClock clock;
    EnglishLocale locale;

    explicit Side(std::int64_t uid) : clock(46363.375, uid) {}

    CliResult run(std::vector<std::string> args, const std::string& answers = {},
                  bool terminal = false) {
        ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
        args.insert(args.begin(), {"--data-dir", data.path().string()});
        std::ostringstream out;
        std::ostringstream err;
        std::istringstream in(answers);
        const int status = cli::runCli(args, out, err, clock, locale, cli::CliSetup{&in, terminal});
        return {status, out.str(), err.str()};
    }
    std::string ok(std::vector<std::string> args) {
        const CliResult r = run(std::move(args));
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }
    // The records as a comparable text, without the local ids.
    std::string records() const {
        std::string text;
        for (const Contact& c : contactsIn(data.path())) {
            text += c.name + "|" + c.email + "|" + std::to_string(c.created) + "|" +
                    std::to_string(c.originUid) + "|" + std::to_string(c.updated) + "\n";
        }
        for (const CalendarEntry& e : entriesIn(data.path())) {
            text += e.comment + "|" + std::to_string(e.dateFrom) + "|" + std::to_string(e.created) +
                    "|" + std::to_string(e.originUid) + "|" + std::to_string(e.updated) + "\n";
        }
        return text;
    }
};

// The lines of a text in order, so that two files in different orders compare equal.
std::multiset<std::string> sorted(const std::string& text) {
    std::multiset<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.insert(line);
    }
    return lines;
}

const std::vector<std::string> kSilent = {"--new",  "update",    "--changed",
                                          "update", "--deleted", "skip"};

std::vector<std::string> applyArgs(const std::string& file,
                                   std::vector<std::string> more = kSilent) {
    std::vector<std::string> args = {"apply", file};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

} // namespace

TEST(CliExchange, TwoInstallationsExchangeBothWaysAndEndWithTheSameRecords) {
    Side desktop(1700000000);
    Side laptop(1800000000);
    desktop.ok({"add-contact", "Anna", "--email", "anna@example.org"});
    desktop.ok({"add-entry", "Dentist", "--date", "2026-12-09"});
    laptop.clock.advanceSeconds(60);
    laptop.ok({"add-contact", "Bob"});
    laptop.ok({"add-entry", "Train", "--date", "2026-12-10"});

    const std::string toLaptop = (desktop.data / "desk").string();
    EXPECT_EQ(desktop.ok({"prepare", toLaptop}), toLaptop + ".tvx\n");
    EXPECT_EQ(laptop.ok(applyArgs(toLaptop + ".tvx")),
              "settings: applied\n"
              "contacts: 1 added, 0 replaced, 0 skipped (0 not newer, 0 by choice)\n"
              "calendar: 1 added, 0 replaced, 0 skipped (0 not newer, 0 by choice)\n");
    laptop.clock.advanceSeconds(60);
    laptop.ok({"delete-contact", "1"}); // Bob, the laptop's own
    const std::string back = (laptop.data / "back.tvx").string();
    laptop.ok({"prepare", back});
    EXPECT_EQ(desktop.ok(applyArgs(back, {"--new", "update", "--changed", "update", "--deleted",
                                          "skip", "--no-settings"})),
              "contacts: 0 added, 0 replaced, 1 skipped (1 not newer, 0 by choice)\n"
              "calendar: 1 added, 0 replaced, 1 skipped (1 not newer, 0 by choice)\n");
    laptop.ok(applyArgs((desktop.data / "desk.tvx").string()));
    // Bob was deleted on the laptop, and stays deleted on both sides: Deleted data is skip.
    EXPECT_EQ(sorted(desktop.records()), sorted(laptop.records()));
    EXPECT_EQ(desktop.records().find("Bob"), std::string::npos);
    EXPECT_NE(desktop.records().find("Anna|anna@example.org|"), std::string::npos);
    EXPECT_NE(desktop.records().find("Train"), std::string::npos);
    // Different UIDs made the records.
    EXPECT_NE(desktop.records().find("|1700000000|"), std::string::npos);
    EXPECT_NE(desktop.records().find("|1800000060|"), std::string::npos);

    // Asked for, the deletion comes back: only on the side whose bin holds it.
    EXPECT_EQ(laptop.ok(applyArgs(back, {"--new", "update", "--changed", "update", "--deleted",
                                         "update", "--no-settings"})),
              "contacts: 0 added, 0 replaced, 1 skipped (1 not newer, 0 by choice)\n"
              "calendar: 0 added, 0 replaced, 2 skipped (2 not newer, 0 by choice)\n"
              "bin contacts: 1 added, 0 replaced, 0 skipped (0 not newer, 0 by choice)\n"
              "bin calendar: 0 added, 0 replaced, 0 skipped (0 not newer, 0 by choice)\n");
    EXPECT_NE(laptop.records().find("Bob"), std::string::npos);
}

TEST(CliExchange, ChangesOnBothSidesMeetAndTheLaterStampWins) {
    Side desktop(1700000000);
    Side laptop(1800000000);
    desktop.ok({"add-entry", "Meeting", "--date", "2026-12-09"});
    const std::string file = (desktop.data / "a.tvx").string();
    desktop.ok({"prepare", file});
    laptop.ok(applyArgs(file));
    // An edit on the laptop, an hour later.
    {
        CalSet set(laptop.data.path());
        set.Open();
        set.GoTo(1);
        set.BeginEdit();
        set.comment = "Meeting, room 4";
        set.updated += 1.0 / 24;
        set.Write();
    }
    laptop.ok({"prepare", (laptop.data / "b.tvx").string()});
    desktop.ok(applyArgs((laptop.data / "b.tvx").string()));
    EXPECT_NE(desktop.records().find("Meeting, room 4"), std::string::npos);
    // The older copy going the other way changes nothing.
    desktop.ok({"prepare", file});
    laptop.ok(applyArgs(file));
    EXPECT_EQ(sorted(desktop.records()), sorted(laptop.records()));
}

TEST(CliExchange, PromptAsksAtATerminalAndIsRefusedWithoutOne) {
    Side desktop(1700000000);
    Side laptop(1800000000);
    for (const char* name : {"Anna", "Bert", "Cleo"}) {
        desktop.ok({"add-contact", name});
        desktop.clock.advanceSeconds(1); // each its own creation stamp
    }
    const std::string file = (desktop.data / "x.tvx").string();
    desktop.ok({"prepare", file});

    // The stored choices are Prompt until the dialog changes them.
    const CliResult refused = laptop.run({"apply", file});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("not a terminal"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(laptop.data / "ADDRESS.TVD"));
    EXPECT_FALSE(std::filesystem::exists(laptop.config / "Trevik.Ini"));

    const CliResult asked =
        laptop.run({"apply", file, "--no-settings", "--changed", "skip", "--deleted", "skip"},
                   "x\ny\nn\nq\n", true);
    EXPECT_EQ(asked.status, 0) << asked.err;
    EXPECT_EQ(asked.out, "contacts: 1 added, 0 replaced, 1 skipped (0 not newer, 1 by choice), "
                         "cancelled\n");
    EXPECT_NE(asked.err.find("[y]es, [n]o, yes to [a]ll, no to all [s], [q] cancel: [y]es"),
              std::string::npos); // "x" is asked again
    EXPECT_NE(asked.err.find("Add new item?\nItem:\n  Name: Anna\n"), std::string::npos)
        << asked.err;
    EXPECT_NE(asked.err.find("  Name: Cleo\n"), std::string::npos);
    EXPECT_NE(laptop.records().find("Anna"), std::string::npos);
    EXPECT_EQ(laptop.records().find("Bert"), std::string::npos);

    // "a": yes to all; the end of the answers cancels.
    const CliResult all = laptop.run(
        {"apply", file, "--no-settings", "--changed", "skip", "--deleted", "skip"}, "a\n", true);
    EXPECT_EQ(all.out, "contacts: 2 added, 0 replaced, 1 skipped (0 not newer, 1 by choice)\n"
                       "calendar: 0 added, 0 replaced, 0 skipped (0 not newer, 0 by choice)\n");
    EXPECT_EQ(laptop.records().find("Anna"), laptop.records().rfind("Anna"));
}

TEST(CliExchange, BinListsRestoresAndEmpties) {
    Side here(1700000000);
    here.ok({"add-contact", "Anna", "--home", "030 1"});
    here.ok({"add-entry", "Dentist", "--date", "2026-12-09", "--link", "1", "--file", "/x.odt"});
    here.ok({"delete-entry", "1"});
    here.ok({"delete-contact", "1"});
    EXPECT_EQ(here.ok({"bin"}), "B\tDentist\t/x.odt\nA\tAnna\t030 1\t\t\t\t\t\t\t\n");
    EXPECT_EQ(here.ok({"bin", "--format", "json"}).substr(0, 40),
              "[\n{\"n\":1,\"tag\":\"B\",\"comment\":\"Dentist\",\"");
    EXPECT_EQ(here.ok({"restore", "2"}), "1\n");
    EXPECT_EQ(here.ok({"restore", "1"}), "1\n");
    EXPECT_EQ(entriesIn(here.data.path())[0].addressLink, -1);
    const CliResult again = here.run({"restore", "2"});
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("here already, as contact 1"), std::string::npos) << again.err;
    EXPECT_EQ(here.run({"restore", "3"}).status, 2);
    EXPECT_EQ(here.run({"restore", "0"}).status, 2);
    EXPECT_EQ(here.ok({"bin"}),
              "B\tDentist\t/x.odt\nA\tAnna\t030 1\t\t\t\t\t\t\t\n"); // the copies stay
    EXPECT_EQ(here.ok({"empty-bin"}), "");
    EXPECT_EQ(here.ok({"bin"}), "");
    EXPECT_EQ(readBytes(here.data / kRecycleBinName), std::vector<unsigned char>(8, 0));
}

TEST(CliExchange, FilesThatCannotBeUsedAreRefusedWithTheirReason) {
    Side here(1700000000);
    const CliResult missing = here.run(applyArgs((here.data / "none.tvx").string()));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.tvx: no such file"), std::string::npos) << missing.err;

    writeBytes(here.data / "short.tvx", std::string(100, '\0'));
    const CliResult tooShort = here.run(applyArgs((here.data / "short.tvx").string()));
    EXPECT_EQ(tooShort.status, 1);
    EXPECT_NE(tooShort.err.find("100 bytes, fewer than the 144"), std::string::npos)
        << tooShort.err;
    EXPECT_FALSE(std::filesystem::exists(here.config / "Trevik.Ini"));

    const CliResult badChoice = here.run({"apply", "x.tvx", "--new", "always"});
    EXPECT_EQ(badChoice.status, 2);
    EXPECT_NE(badChoice.err.find("--new takes update, prompt or skip"), std::string::npos);

    const CliResult nowhere = here.run({"prepare", (here.data / "no" / "dir" / "x").string()});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_NE(nowhere.err.find("x.tvx"), std::string::npos) << nowhere.err;

    std::filesystem::create_directory(here.data / kRecycleBinName);
    here.ok({"add-contact", "Anna"});
    const CliResult unkept = here.run({"delete-contact", "1"});
    EXPECT_EQ(unkept.status, 1);
    EXPECT_NE(unkept.err.find("could not be kept in the recycle bin"), std::string::npos);
    EXPECT_TRUE(contactsIn(here.data.path()).empty()); // deleted all the same
    EXPECT_EQ(here.run({"bin"}).status, 1);
}
