// Two processes (the window and the command-line tool) working on the same record file:
// one waits for the other, and no record is lost.
#include "storage/AddrSet.h"
#include "storage/ContactRecords.h"
#include "support/FixedClock.h"
#include "support/Records.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace trevik;
using trevik::test::TempDir;

namespace {

// Runs `body` in a child process; returns the pid and a pipe end that becomes readable when
// the child calls the `ready` callback it is given.
template <typename Body> std::pair<pid_t, int> spawn(Body body) {
    int fds[2];
    if (::pipe(fds) != 0) {
        ADD_FAILURE() << "pipe failed";
        return {-1, -1};
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        const auto ready = [&] {
            const char c = 'r';
            (void)!::write(fds[1], &c, 1);
        };
        body(ready);
        ::_exit(0);
    }
    ::close(fds[1]);
    return {pid, fds[0]};
}

void waitReady(int fd) {
    char c = 0;
    ASSERT_EQ(::read(fd, &c, 1), 1);
    ::close(fd);
}

int exitStatus(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<Contact> allContacts(const std::filesystem::path& dir) {
    std::vector<Contact> out;
    AddrSet set(dir);
    set.Open();
    set.First();
    while (!set.AtEnd()) {
        out.push_back(set);
        set.Next();
    }
    return out;
}

} // namespace

TEST(FileSharing, AnOperationWaitsForTheProcessThatHoldsTheFile) {
    TempDir dir;
    auto [pid, ready] = spawn([&](auto signalReady) {
        AddrSet set(dir.path());
        set.Open();
        signalReady();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        set.NewRecord();
        set.id = set.NextId() + 1;
        set.name = "from child";
        set.Write();
    });
    waitReady(ready);
    test::FixedClock clock(45000.5);
    const RecordResult added = addContact(dir.path(), test::contactRecord("from parent"), clock, 1);
    EXPECT_EQ(exitStatus(pid), 0);
    EXPECT_TRUE(added.ok()) << added.error;
    EXPECT_EQ(added.id, 2);
    const auto contacts = allContacts(dir.path());
    ASSERT_EQ(contacts.size(), 2u);
    EXPECT_EQ(contacts[0].name, "from child");
    EXPECT_EQ(contacts[1].name, "from parent");
}

TEST(FileSharing, AWriteWaitingDuringADeletionLandsInTheNewFile) {
    TempDir dir;
    test::FixedClock clock(45000.5);
    for (const char* name : {"a", "b", "c"}) {
        addContact(dir.path(), test::contactRecord(name), clock, 1);
    }
    auto [pid, ready] = spawn([&](auto signalReady) {
        AddrSet set(dir.path());
        set.Open();
        signalReady();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        set.Delete(1);
    });
    waitReady(ready);
    const RecordResult added = addContact(dir.path(), test::contactRecord("d"), clock, 1);
    EXPECT_EQ(exitStatus(pid), 0);
    EXPECT_TRUE(added.ok()) << added.error;
    std::vector<std::string> names;
    for (const Contact& c : allContacts(dir.path())) {
        names.push_back(c.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"b", "c", "d"}));
}

TEST(FileSharing, ConcurrentAddsGetDistinctIds) {
    TempDir dir;
    constexpr int kEach = 40;
    auto [pid, ready] = spawn([&](auto signalReady) {
        signalReady();
        test::FixedClock clock(45000.5);
        for (int i = 0; i < kEach; ++i) {
            addContact(dir.path(), test::contactRecord("child"), clock, 2);
        }
    });
    waitReady(ready);
    test::FixedClock clock(45000.5);
    for (int i = 0; i < kEach; ++i) {
        addContact(dir.path(), test::contactRecord("parent"), clock, 1);
    }
    EXPECT_EQ(exitStatus(pid), 0);
    const auto contacts = allContacts(dir.path());
    ASSERT_EQ(contacts.size(), std::size_t(2 * kEach));
    std::set<std::int32_t> ids;
    for (const Contact& c : contacts) {
        ids.insert(c.id);
    }
    EXPECT_EQ(ids.size(), std::size_t(2 * kEach));
    EXPECT_EQ(*ids.rbegin(), 2 * kEach);
}
