// SPDX-License-Identifier: GPL-3.0-or-later
// The player's words for what the rules tell: a message or the spin report, translated into the
// player's language with its numbers written as the language writes them.
#pragma once

#include "game/message.h"

#include <QLocale>
#include <QString>

namespace zantaro {

// The locale the game writes numbers in: the one of the player's language, and American English
// for the plain C locale, whose numbers the English texts were written with.
QLocale playerLocale();

// "%<width>.0n" in the player's locale: grouped by its separator, filled on the left with spaces.
QString groupedNumberText(std::int64_t value, int width);
// "%<width>.<decimals>f" in the player's locale: its decimal sign, no grouping, filled on the left.
QString fixedPointText(double value, int width, int decimals);

QString messageText(const Message& message);
// Each line ended by CR LF, the whole cut to MaxReportLength characters, as "Summary" shows it.
QString reportText(const SpinReport& report);

} // namespace zantaro
