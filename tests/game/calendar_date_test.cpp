// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/calendar_date.h"

#include <gtest/gtest.h>

namespace zantaro {
namespace {

struct AddDaysCase
{
    CalendarDate from;
    int days;
    CalendarDate expected;
};

class CalendarAddDays : public ::testing::TestWithParam<AddDaysCase>
{
};

TEST_P(CalendarAddDays, landsOnTheRightDay)
{
    const AddDaysCase& c = GetParam();
    EXPECT_EQ(c.from.addDays(c.days), c.expected) << c.from.formatLong() << " + " << c.days;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalendarAddDays,
    ::testing::Values(
        AddDaysCase{{2024, 1, 31}, 1, {2024, 2, 1}}, AddDaysCase{{2024, 4, 30}, 1, {2024, 5, 1}},
        AddDaysCase{{2024, 2, 28}, 1, {2024, 2, 29}}, AddDaysCase{{2024, 2, 29}, 1, {2024, 3, 1}},
        AddDaysCase{{2023, 2, 28}, 1, {2023, 3, 1}}, AddDaysCase{{1900, 2, 28}, 1, {1900, 3, 1}},
        AddDaysCase{{2000, 2, 28}, 1, {2000, 2, 29}}, AddDaysCase{{2023, 12, 31}, 1, {2024, 1, 1}},
        AddDaysCase{{2023, 12, 25}, 10, {2024, 1, 4}}, AddDaysCase{{2024, 1, 1}, -1, {2023, 12, 31}},
        AddDaysCase{{2024, 3, 1}, -1, {2024, 2, 29}}, AddDaysCase{{2024, 1, 1}, 90, {2024, 3, 31}},
        AddDaysCase{{2023, 1, 1}, 90, {2023, 4, 1}}, AddDaysCase{{2024, 2, 29}, 366, {2025, 3, 1}},
        AddDaysCase{{1970, 1, 1}, 19723, {2024, 1, 1}}, AddDaysCase{{2024, 5, 17}, 0, {2024, 5, 17}},
        AddDaysCase{{2099, 12, 31}, 146097, {2499, 12, 31}}));

TEST(CalendarDate, comparesByYearThenMonthThenDay)
{
    EXPECT_LT((CalendarDate{2023, 12, 31}), (CalendarDate{2024, 1, 1}));
    EXPECT_LT((CalendarDate{2024, 1, 31}), (CalendarDate{2024, 2, 1}));
    EXPECT_GT((CalendarDate{2024, 2, 2}), (CalendarDate{2024, 2, 1}));
    EXPECT_EQ((CalendarDate{2024, 2, 2}), (CalendarDate{2024, 2, 2}));
}

TEST(CalendarDate, formatsWithTwoDigitFieldsAndSlashes)
{
    EXPECT_EQ((CalendarDate{2024, 3, 7}).formatShort(), "03/07/24");
    EXPECT_EQ((CalendarDate{2005, 12, 25}).formatShort(), "12/25/05");
    EXPECT_EQ((CalendarDate{2000, 1, 1}).formatShort(), "01/01/00");
    EXPECT_EQ((CalendarDate{2024, 3, 7}).formatLong(), "03/07/2024");
    EXPECT_EQ((CalendarDate{987, 11, 30}).formatLong(), "11/30/0987");
}

TEST(CalendarDate, parseReadsWhatFormatLongWrote)
{
    const CalendarDate date{2024, 2, 29};
    EXPECT_EQ(CalendarDate::parseLong(date.formatLong()), date);
    EXPECT_EQ(CalendarDate::parseLong("1/5/2025"), (CalendarDate{2025, 1, 5}));
}

class CalendarParseRejects : public ::testing::TestWithParam<const char*>
{
};

TEST_P(CalendarParseRejects, textThatIsNoDate)
{
    EXPECT_EQ(CalendarDate::parseLong(GetParam()), std::nullopt) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Texts, CalendarParseRejects,
                         ::testing::Values("", "02/29/2023", "13/01/2024", "00/10/2024", "04/31/2024",
                                           "01/00/2024", "01/01/24", "01/01/20245", "01-01-2024",
                                           "01/01/2024/", "1/1/-202", "+1/01/2024", "001/01/2024",
                                           "aa/bb/cccc", "01/01/2024x", "//", "12/25", " 12/25/2024"));

} // namespace
} // namespace zantaro
