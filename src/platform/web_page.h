// SPDX-License-Identifier: GPL-3.0-or-later
// Opens web pages through the desktop's default handler.
#pragma once

#include <QString>

namespace zantaro {

// The game's page, which the update reminder and the web-site command open, and the maker's home
// page named when no browser can be found; both are build settings.
QString gameWebPage();
QString homeWebPage();

// Asks the desktop to open the address; false when no handler could be started.
bool openWebPage(const QString& address);

} // namespace zantaro
