#include "history_file.h"

#include "history_json.h"

#include <cstdio>

namespace zantaro {

namespace {

void noteEmptyHistory(const QString& path, const QString& reason)
{
    std::fprintf(stderr, "Zantaro: the game history starts empty: %s %s.\n", qPrintable(path),
                 qPrintable(reason));
}

} // namespace

HistoryFile::HistoryFile(TextFileAccess& files, const QString& settingsDirectory)
    : m_files(files), m_path(settingsDirectory + QLatin1Char('/') + QLatin1String(HistoryFileName))
{
}

GameHistory HistoryFile::read()
{
    const std::optional<std::string> text = m_files.read(m_path.toStdString());
    if (!text) {
        noteEmptyHistory(m_path, QStringLiteral("is missing or cannot be read"));
        return {};
    }
    QString problem;
    std::optional<GameHistory> history = historyFromJson(QByteArray::fromStdString(*text), problem);
    if (!history) {
        noteEmptyHistory(m_path, QStringLiteral("is damaged: ") + problem);
        return {};
    }
    return std::move(*history);
}

bool HistoryFile::write(const GameHistory& history)
{
    const bool written = m_files.replace(m_path.toStdString(), historyToJson(history).toStdString());
    if (!written && !m_failing)
        std::fprintf(stderr, "Zantaro: the game history could not be written to %s.\n", qPrintable(m_path));
    m_failing = !written;
    return written;
}

} // namespace zantaro
