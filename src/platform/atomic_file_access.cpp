// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_file_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zantaro {

namespace {

bool isReadableSettingsFile(const QFileInfo& file)
{
    return file.isFile() && file.isReadable() && file.size() <= AtomicFileAccess::MaxFileSize;
}

} // namespace

std::optional<std::string> AtomicFileAccess::read(const std::string& path)
{
    const QString name = QString::fromStdString(path);
    if (!isReadableSettingsFile(QFileInfo(name)))
        return std::nullopt;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Bounded even if the file grew since it was measured.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.toStdString();
}

bool AtomicFileAccess::replace(const std::string& path, const std::string& text)
{
    const QFileInfo target(QString::fromStdString(path));
    if (target.exists() && !isReadableSettingsFile(target))
        return false;
    if (!QDir().mkpath(target.absolutePath()))
        return false;
    QSaveFile file(target.absoluteFilePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size)
        file.cancelWriting(); // commit() then discards the temporary file and reports failure
    return file.commit();
}

} // namespace zantaro
