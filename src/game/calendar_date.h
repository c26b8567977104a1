// SPDX-License-Identifier: GPL-3.0-or-later
// CalendarDate: a day of the proleptic Gregorian calendar, with the day arithmetic and the
// "mm/dd/yy" and "mm/dd/yyyy" texts that the settings files keep.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace zantaro {

struct CalendarDate
{
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to the length of the month

    auto operator<=>(const CalendarDate&) const = default;

    // The date n days later (earlier for a negative n), across month and year ends and leap days.
    CalendarDate addDays(int n) const;

    // "mm/dd/yy": the saved games' date, year cut to its last two digits.
    std::string formatShort() const;
    // "mm/dd/yyyy": the update reminder's date.
    std::string formatLong() const;
    // Reads "mm/dd/yyyy" (one-digit month and day accepted); nullopt for other text or a day the
    // calendar does not have.
    static std::optional<CalendarDate> parseLong(std::string_view text);
};

} // namespace zantaro
