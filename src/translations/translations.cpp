// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zantaro {

QLocale::Language installTranslations(QCoreApplication& application, const QLocale& locale)
{
    auto* game = new QTranslator(&application);
    // The first of the desktop's languages the game has; an English one ends the search.
    if (!game->load(locale, QStringLiteral("zantaro"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete game;
        return QLocale::English;
    }
    QCoreApplication::installTranslator(game);
    auto* qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return QLocale(game->language()).language();
}

} // namespace zantaro
