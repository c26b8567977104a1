// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar_date.h"

#include "number_formats.h"

#include <charconv>
#include <cstdint>

namespace zantaro {

namespace {

// Day numbers count from 1 March of year 0, so that the leap day ends each 400-year era's years:
// the well-known conversion between civil dates and serial days, exact over the whole int range.
std::int64_t dayNumber(const CalendarDate& date)
{
    const std::int64_t year = date.month <= 2 ? std::int64_t{date.year} - 1 : date.year;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

CalendarDate dateOfDayNumber(std::int64_t days)
{
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    constexpr int Lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : Lengths[month - 1];
}

std::string formatted(const CalendarDate& date, int year, int yearWidth)
{
    std::string text;
    appendDigits(text, date.month, 2);
    text += '/';
    appendDigits(text, date.day, 2);
    text += '/';
    appendDigits(text, year, yearWidth);
    return text;
}

// Reads a field of minDigits to maxDigits decimal digits ending at the separator or the end;
// moves text past the field and its separator.
std::optional<int> readField(std::string_view& text, std::size_t minDigits, std::size_t maxDigits, bool last)
{
    const std::size_t length = last ? text.size() : text.find('/');
    if (length == std::string_view::npos || length < minDigits || length > maxDigits)
        return std::nullopt;
    int value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + length, value);
    if (error != std::errc{} || stop != text.data() + length || text.front() == '-' || text.front() == '+')
        return std::nullopt;
    text.remove_prefix(last ? length : length + 1);
    return value;
}

} // namespace

CalendarDate CalendarDate::addDays(int n) const
{
    return dateOfDayNumber(dayNumber(*this) + n);
}

std::string CalendarDate::formatShort() const
{
    return formatted(*this, (year % 100 + 100) % 100, 2);
}

std::string CalendarDate::formatLong() const
{
    return formatted(*this, year, 4);
}

std::optional<CalendarDate> CalendarDate::parseLong(std::string_view text)
{
    const auto month = readField(text, 1, 2, false);
    const auto day = month ? readField(text, 1, 2, false) : std::nullopt;
    const auto year = day ? readField(text, 4, 4, true) : std::nullopt;
    if (!year || *month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*year, *month))
        return std::nullopt;
    return CalendarDate{*year, *month, *day};
}

} // namespace zantaro
