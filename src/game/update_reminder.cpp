// SPDX-License-Identifier: GPL-3.0-or-later
#include "update_reminder.h"

#include "game_state.h"

#include <limits>

namespace zantaro {

namespace {

constexpr int DaysBeforeFirstReminder = 90;
constexpr int DaysBetweenReminders = 10;

} // namespace

bool recordCloseAndCheckReminder(IniDocument& file, const CalendarDate& today, bool mayAsk)
{
    const std::string section = ProductName;
    std::int32_t uses = file.integer(section, "Uses", 0);
    if (uses < std::numeric_limits<std::int32_t>::max())
        uses += 1;
    std::string version = file.value(section, "Ver").value_or(std::string());
    CalendarDate update =
        CalendarDate::parseLong(file.value(section, "Update").value_or(std::string())).value_or(today);

    // A missing or older version starts the count again; a newer program keeps its own record.
    if (version < VersionText) {
        version = VersionText;
        update = today.addDays(DaysBeforeFirstReminder);
        uses = 1;
    }
    const bool due = mayAsk && today > update;
    if (due)
        update = today.addDays(DaysBetweenReminders);
    if (uses == 1)
        file.setValue(section, "First_Used", today.formatLong());
    file.setInteger(section, "Uses", uses);
    file.setValue(section, "Ver", version);
    file.setValue(section, "Update", update.formatLong());
    return due;
}

} // namespace zantaro
