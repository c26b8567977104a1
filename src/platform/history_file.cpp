// SPDX-License-Identifier: GPL-3.0-or-later
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

HistoryFile::HistoryFile(TextFileAccess& files, const QString& path)
    : m_files(files), m_path(path), m_writer([this] { writeLoop(); })
{
}

HistoryFile::~HistoryFile()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    m_changed.notify_all();
    m_writer.join();
}

GameHistory HistoryFile::read()
{
    waitForStores();
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

void HistoryFile::store(const GameHistory& history)
{
    // Copied before the lock is taken, so the writer never waits on the copy.
    GameHistory copy = history;
    {
        const std::lock_guard lock(m_mutex);
        m_waiting = std::move(copy);
    }
    m_changed.notify_all();
}

bool HistoryFile::waitForStores()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_waiting && !m_writing; });
    return !m_failing;
}

void HistoryFile::writeLoop()
{
    std::unique_lock lock(m_mutex);
    while (true) {
        m_changed.wait(lock, [this] { return m_waiting || m_closing; });
        if (!m_waiting)
            return;
        const GameHistory history = std::move(*m_waiting);
        m_waiting.reset();
        m_writing = true;
        lock.unlock();
        const bool written = m_files.replace(m_path.toStdString(), historyToJson(history).toStdString());
        lock.lock();
        if (!written && !m_failing)
            std::fprintf(stderr, "Zantaro: the game history could not be written to %s.\n",
                         qPrintable(m_path));
        m_failing = !written;
        m_writing = false;
        m_changed.notify_all();
    }
}

} // namespace zantaro
