#pragma once

// trevik-cli run in-process on a temporary data directory and settings file.
#include "Cli.h"
#include "support/FixedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace trevik::test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

struct CliFixture : ::testing::Test {
    TempDir config;
    TempDir data;
    FixedClock clock;
    EnglishLocale locale;

    CliFixture() {
        ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
        clock.set({2026, 12, 7}, {9, 30, 20, 0}); // a Monday
    }

    // Runs with standard output on `out`; standard error is returned.
    CliRun runTo(std::ostream& out, std::vector<std::string> args) {
        args.insert(args.begin(), {"--data-dir", data.path().string()});
        std::ostringstream err;
        const int status = cli::runCli(args, out, err, clock, locale);
        return {status, {}, err.str()};
    }

    CliRun run(std::vector<std::string> args) {
        std::ostringstream out;
        CliRun result = runTo(out, std::move(args));
        result.out = out.str();
        return result;
    }

    std::string ok(std::vector<std::string> args) {
        const CliRun r = run(std::move(args));
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.out;
    }

    void settings(const std::string& text) { writeBytes(config / "Trevik.Ini", text); }

    // A directory where the data file should be: it exists but no read or write gets it, also
    // for root, whom file modes do not stop.
    void makeUnreadable(const std::string& fileName) {
        std::filesystem::remove(data / fileName);
        std::filesystem::create_directory(data / fileName);
    }

    // A small diary: a contact, a type, and entries of every kind in December 2026.
    void diary() {
        ok({"add-contact", "Anna", "--email", "anna@example.org"});
        ok({"add-type", "Work"});
        ok({"add-entry", "Dentist", "--date", "2026-12-07", "--time", "9:30", "--type", "1",
            "--link", "1"});
        ok({"add-entry", "Early call", "--date", "2026-12-07", "--time", "8:00"});
        ok({"add-entry", "Gym", "--date", "2026-12-02", "--time", "18:00", "--repeat", "weekly"});
        ok({"add-entry", "Holiday", "--date", "2026-12-10", "--to", "2026-12-12"});
        ok({"add-entry", "Buy milk"});
        ok({"add-entry", "Birthday", "--date", "1980-12-24", "--repeat", "yearly"});
        ok({"add-entry", "Review", "--alarm", "9:30", "--file", "/home/me/review.odt"});
    }
};

// The bytes of the three data files and the settings file.
inline std::vector<std::vector<unsigned char>> snapshotOf(const CliFixture& f) {
    return {readBytes(f.data / "ADDRESS.TVD"), readBytes(f.data / "CALENDAR.TVD"),
            readBytes(f.data / "TYPE.TVD"), readBytes(f.config / "Trevik.Ini")};
}

} // namespace trevik::test
