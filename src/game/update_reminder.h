// SPDX-License-Identifier: GPL-3.0-or-later
// The update reminder kept in "qxupdate.ini": how often the program has closed, the version that
// closed last, and the day after which the player is asked about a newer version.
#pragma once

#include "calendar_date.h"
#include "ini_document.h"

#include <string>

namespace zantaro {

inline constexpr const char* UpdateReminderFileName = "qxupdate.ini";

// Records one close of the program in the reminder file and returns whether the reminder is due
// this time: first more than 90 days after the first recorded close, then at most every 10 days.
// A close that may not ask (the desktop ending the game) leaves a due reminder for the next close.
bool recordCloseAndCheckReminder(IniDocument& file, const CalendarDate& today, bool mayAsk = true);

} // namespace zantaro
