// What the options dialog computes without its window: the ratio buttons and their text, and
// how many entries use a type about to be deleted.
#include "calendar/TypeUse.h"
#include "settings/DisplayRatio.h"
#include "storage/CalSet.h"
#include "storage/FileError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace trevik;

TEST(DisplayRatio, TheButtonsMoveByFiveWithinTheWidth) {
    EXPECT_EQ(ratioUp(60), 65);
    EXPECT_EQ(ratioDown(60), 55);
    EXPECT_EQ(ratioUp(100), 100);
    EXPECT_EQ(ratioDown(0), 0);
    EXPECT_EQ(ratioUp(95), 100);
    EXPECT_EQ(ratioDown(5), 0);
    // A ratio from a hand-edited file that is no multiple of 5 stops at the edges.
    EXPECT_EQ(ratioUp(98), 100);
    EXPECT_EQ(ratioDown(3), 0);
    int ratio = 60;
    for (int i = 0; i < 30; ++i) {
        ratio = ratioUp(ratio);
    }
    EXPECT_EQ(ratio, 100);
    for (int i = 0; i < 30; ++i) {
        ratio = ratioDown(ratio);
    }
    EXPECT_EQ(ratio, 0);
}

TEST(DisplayRatio, TheTextShowsBothShares) {
    EXPECT_EQ(ratioText(60), "60/40");
    EXPECT_EQ(ratioText(5), " 5/95");
    EXPECT_EQ(ratioText(100), "100/ 0");
    EXPECT_EQ(ratioText(0), " 0/100");
}

TEST(TypeUse, CountsTheEntriesOfOneCode) {
    test::TempDir dir;
    EXPECT_EQ(countEntriesOfType(dir.path(), 1), 0); // no calendar file
    CalSet set(dir.path());
    set.Open();
    for (int type : {1, 2, 1, -1, 1, 32767}) {
        set.NewRecord();
        set.type = std::int16_t(type);
        set.Write();
    }
    set.Close();
    EXPECT_EQ(countEntriesOfType(dir.path(), 1), 3);
    EXPECT_EQ(countEntriesOfType(dir.path(), 2), 1);
    EXPECT_EQ(countEntriesOfType(dir.path(), 3), 0);
    EXPECT_EQ(countEntriesOfType(dir.path(), 32767), 1);
    // A calendar file that cannot be read is not counted as empty.
    const std::filesystem::path file = dir / "CALENDAR.TVD";
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_THROW(countEntriesOfType(dir.path(), 1), FileError);
}
