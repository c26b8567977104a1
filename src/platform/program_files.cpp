// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace zantaro {

QString programDirectory()
{
    return QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/');
}

QString settingsDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/zantaro");
}

} // namespace zantaro
