// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the player's language: its own translations, built into the program, and Qt's for
// its standard buttons and dialogs, chosen by the languages the desktop asks for (LANGUAGE, LANG).
#pragma once

#include <QLocale>

class QCoreApplication;

namespace zantaro {

// Installs the translators for the first of the locale's languages that the game speaks; English,
// the game's own language, needs none. Returns the language installed, or English.
QLocale::Language installTranslations(QCoreApplication& application, const QLocale& locale = QLocale());

} // namespace zantaro
