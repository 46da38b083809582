// The notes file: its bytes and zero byte, files that cannot be read or written, and saves that
// a kill interrupts.
#include "tools/NotesFile.h"
#include "storage/FileError.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"
#include "tools/NotesText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace trevik;
using namespace std::string_literals;
using trevik::test::TempDir;

namespace {

struct NotesFile : ::testing::Test {
    TempDir dir;
    std::filesystem::path path() const { return dir / kNotesFileName; }
    std::string bytes() const { return test::readText(path()); }

    // What LoadNotes throws, or an empty text when it did not throw.
    std::string loadError() {
        try {
            LoadNotes(dir.path());
        } catch (const FileError& error) {
            return error.what();
        }
        return {};
    }
};

std::size_t filesIn(const std::filesystem::path& dir) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) {
        ++count;
    }
    return count;
}

} // namespace

TEST_F(NotesFile, FirstUseGivesAnEmptyNoteAndAnEmptyNoteIsOneZeroByte) {
    EXPECT_EQ(LoadNotes(dir.path()), "");
    ASSERT_TRUE(std::filesystem::exists(path())); // left behind, empty
    EXPECT_EQ(std::filesystem::file_size(path()), 0u);
    EXPECT_EQ(LoadNotes(dir.path()), "");
    EXPECT_EQ(SaveNotes(dir.path(), ""), "");
    EXPECT_EQ(bytes(), "\0"s);
    EXPECT_EQ(LoadNotes(dir.path()), "");
}

TEST_F(NotesFile, TwoLinesAreStoredWithCrLfAndAZeroByteAndReadBackAlike) {
    const std::string note = noteFromEditText("line 1\nline 2");
    EXPECT_EQ(note, "line 1\r\nline 2");
    ASSERT_EQ(SaveNotes(dir.path(), note), "");
    EXPECT_EQ(bytes(), "line 1\r\nline 2\0"s);
    EXPECT_EQ(LoadNotes(dir.path()), note);
    EXPECT_EQ(editTextFromNote(LoadNotes(dir.path())), "line 1\nline 2");
    // Windows-1252 bytes pass unchanged.
    ASSERT_EQ(SaveNotes(dir.path(), "caf\xE9 \x80"), "");
    EXPECT_EQ(LoadNotes(dir.path()), "caf\xE9 \x80");
}

TEST(NotesText, LineBreaksOfEveryKindBecomeCrLfAndZeroBytesAreDropped) {
    EXPECT_EQ(noteFromEditText("a\r\nb\rc\n\nd\n"), "a\r\nb\r\nc\r\n\r\nd\r\n");
    EXPECT_EQ(noteFromEditText("a\0b"s), "ab");
    EXPECT_EQ(editTextFromNote("a\r\nb\rc\n\r\n"), "a\nb\nc\n\n");
    EXPECT_EQ(noteFromEditText(""), "");
}

TEST_F(NotesFile, TheNoteEndsAtTheFirstZeroByteOrAtTheEndOfTheFile) {
    test::writeBytes(path(), "kept\0dropped\0"s);
    EXPECT_EQ(LoadNotes(dir.path()), "kept");
    test::writeBytes(path(), "no zero byte\r\n");
    EXPECT_EQ(LoadNotes(dir.path()), "no zero byte\r\n");
}

TEST_F(NotesFile, AFileThatExistsButCannotBeReadIsReportedWithItsReason) {
    std::filesystem::create_directory(path());
    EXPECT_NE(loadError().find("Is a directory"), std::string::npos) << loadError();
    std::filesystem::remove(path());

    std::filesystem::create_symlink(dir / "gone.txt", path());
    EXPECT_NE(loadError().find("symbolic link"), std::string::npos) << loadError();
    EXPECT_FALSE(std::filesystem::exists(dir / "gone.txt")); // not created through the link
    std::filesystem::remove(path());

    test::writeBytes(path(), "secret\0"s);
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0777));
    std::filesystem::permissions(path(), std::filesystem::perms(0));
    const int outcome = test::runUnprivileged([&] {
        try {
            LoadNotes(dir.path());
            return 1;
        } catch (const FileError& error) {
            return std::string(error.what()).find("Permission denied") == std::string::npos ? 2 : 0;
        }
    });
    EXPECT_EQ(outcome, 0);
    std::filesystem::permissions(path(), std::filesystem::perms(0600));
    EXPECT_EQ(bytes(), "secret\0"s);
}

TEST_F(NotesFile, ASaveThatFailsSaysWhyAndLeavesTheOldNote) {
    ASSERT_EQ(SaveNotes(dir.path(), "old"), "");
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0555));
    const int outcome = test::runUnprivileged([&] {
        const std::string error = SaveNotes(dir.path(), "new");
        return error.find("Permission denied") == std::string::npos ? 1 : 0;
    });
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0700));
    EXPECT_EQ(outcome, 0);
    EXPECT_EQ(bytes(), "old\0"s);
}

TEST_F(NotesFile, ASaveKeepsALinkAndTheFileMode) {
    test::writeBytes(dir / "real.txt", "old\0"s);
    std::filesystem::permissions(dir / "real.txt", std::filesystem::perms(0640));
    std::filesystem::create_symlink(dir / "real.txt", path());
    ASSERT_EQ(SaveNotes(dir.path(), "new"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(path()));
    EXPECT_EQ(test::readText(dir / "real.txt"), "new\0"s);
    EXPECT_EQ(std::filesystem::status(dir / "real.txt").permissions(),
              std::filesystem::perms(0640));
    // A new notes file is the user's alone.
    std::filesystem::remove(path());
    ASSERT_EQ(SaveNotes(dir.path(), "fresh"), "");
    EXPECT_EQ(std::filesystem::status(path()).permissions(), std::filesystem::perms(0600));
}

TEST_F(NotesFile, AKillDuringASaveLeavesTheOldNoteOrTheNewOneNeverAMix) {
    // Notes of different lengths, so that a torn write shows in the bytes or the size.
    const std::string first = std::string(40000, 'a') + "\r\nend of the first";
    const std::string second = std::string(90000, 'b') + "\r\nend of the second";
    ASSERT_EQ(SaveNotes(dir.path(), first), "");
    const unsigned seed = unsigned(std::random_device{}());
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pause(0, 4000); // microseconds
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    int rounds = 0;
    for (; rounds < 300 && std::chrono::steady_clock::now() < deadline; ++rounds) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                if (!SaveNotes(dir.path(), i % 2 == 0 ? second : first).empty()) {
                    ::_exit(3);
                }
            }
        }
        ::usleep(useconds_t(pause(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child failed, seed " << seed;
        const std::string note = LoadNotes(dir.path());
        ASSERT_TRUE(note == first || note == second)
            << "round " << rounds << ", seed " << seed << ": a note of " << note.size() << " bytes";
        ASSERT_EQ(bytes(), note + '\0') << "round " << rounds << ", seed " << seed;
    }
    EXPECT_GE(rounds, 20) << "seed " << seed;
    RecordProperty("rounds", rounds);
    // What the killed saves left beside the file goes with the next save.
    ASSERT_EQ(SaveNotes(dir.path(), "after"), "");
    EXPECT_EQ(filesIn(dir.path()), 1u);
    EXPECT_EQ(LoadNotes(dir.path()), "after");
}
