// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_page.h"

#include <QDesktopServices>
#include <QUrl>

namespace zantaro {

QString gameWebPage()
{
    return QStringLiteral(ZANTARO_GAME_PAGE_URL);
}

QString homeWebPage()
{
    return QStringLiteral(ZANTARO_HOME_PAGE_URL);
}

bool openWebPage(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

} // namespace zantaro
