// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/update_reminder.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

const CalendarDate FirstClose{2026, 1, 10};

TEST(UpdateReminder, firstCloseEverRecordsTheDatesWithoutAsking)
{
    IniDocument file;
    EXPECT_FALSE(recordCloseAndCheckReminder(file, FirstClose));
    EXPECT_EQ(file.text(), "[Zantaro]\nFirst_Used=01/10/2026\nUses=1\nVer=1.0\nUpdate=04/10/2026\n");
}

TEST(UpdateReminder, asksOnceOnTheNinetyFirstDayThenNotForTenDays)
{
    IniDocument file;
    recordCloseAndCheckReminder(file, FirstClose);
    EXPECT_FALSE(recordCloseAndCheckReminder(file, FirstClose.addDays(90))); // exactly the stored day
    EXPECT_TRUE(recordCloseAndCheckReminder(file, FirstClose.addDays(91)));
    EXPECT_EQ(file.value("Zantaro", "Update"), FirstClose.addDays(101).formatLong());
    EXPECT_FALSE(recordCloseAndCheckReminder(file, FirstClose.addDays(101)));
    EXPECT_TRUE(recordCloseAndCheckReminder(file, FirstClose.addDays(102)));
    EXPECT_EQ(file.integer("Zantaro", "Uses", 0), 5);
    EXPECT_EQ(file.value("Zantaro", "First_Used"), "01/10/2026");
}

TEST(UpdateReminder, aCloseThatMayNotAskCountsButLeavesTheDueReminderForTheNextClose)
{
    IniDocument file;
    recordCloseAndCheckReminder(file, FirstClose);
    EXPECT_FALSE(recordCloseAndCheckReminder(file, FirstClose.addDays(91), false));
    EXPECT_EQ(file.value("Zantaro", "Update"), FirstClose.addDays(90).formatLong());
    EXPECT_EQ(file.integer("Zantaro", "Uses", 0), 2);
    EXPECT_TRUE(recordCloseAndCheckReminder(file, FirstClose.addDays(92)));
}

TEST(UpdateReminder, anOlderVersionCountsAsAFirstClose)
{
    IniDocument file("[Zantaro]\nUses=41\nVer=0.9\nUpdate=01/01/2020\nFirst_Used=01/01/2019\n");
    EXPECT_FALSE(recordCloseAndCheckReminder(file, FirstClose));
    EXPECT_EQ(file.integer("Zantaro", "Uses", 0), 1);
    EXPECT_EQ(file.value("Zantaro", "Ver"), "1.0");
    EXPECT_EQ(file.value("Zantaro", "First_Used"), "01/10/2026");
    EXPECT_EQ(file.value("Zantaro", "Update"), "04/10/2026");
}

TEST(UpdateReminder, aNewerVersionKeepsItsOwnRecord)
{
    IniDocument file("[Zantaro]\nUses=7\nVer=2.0\nUpdate=12/31/2030\nFirst_Used=01/01/2019\n");
    EXPECT_FALSE(recordCloseAndCheckReminder(file, FirstClose));
    EXPECT_EQ(file.integer("Zantaro", "Uses", 0), 8);
    EXPECT_EQ(file.value("Zantaro", "Ver"), "2.0");
    EXPECT_EQ(file.value("Zantaro", "First_Used"), "01/01/2019");
}

TEST(UpdateReminder, anUnreadableUpdateDateCountsAsToday)
{
    IniDocument file("[Zantaro]\nUses=3\nVer=1.0\nUpdate=soon\n");
    EXPECT_FALSE(recordCloseAndCheckReminder(file, FirstClose));
    EXPECT_EQ(file.value("Zantaro", "Update"), "01/10/2026");
}

} // namespace
} // namespace zantaro
