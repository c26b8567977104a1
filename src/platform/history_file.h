// SPDX-License-Identifier: GPL-3.0-or-later
// HistoryFile: the file "History.json" beside "Zantaro.ini" that keeps the running game's history
// across runs: read once at start-up, and replaced whole, atomically, after each paid spin.
#pragma once

#include "game/game_history.h"
#include "game/text_file_access.h"

#include <QString>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace zantaro {

inline constexpr const char* HistoryFileName = "History.json";

class HistoryFile
{
public:
    // path: "History.json" in the settings directory.
    HistoryFile(TextFileAccess& files, const QString& path);
    // Finishes the store under way and the one waiting, so closing the game keeps its last spin.
    ~HistoryFile();

    // A missing, damaged or hostile file gives an empty history and a note on stderr.
    GameHistory read();

    // Hands a copy to a writer thread and returns at once: the atomic replace syncs the disk,
    // which takes milliseconds the spin should not wait for. A store that finds an earlier one
    // still waiting replaces it, since each store is the whole history. A failure is noted on
    // stderr once until a store succeeds again.
    void store(const GameHistory& history);

    // Returns when every store handed over so far is on disk (or has failed); false when the last
    // one failed.
    bool waitForStores();

    const QString& path() const { return m_path; }

private:
    void writeLoop();

    TextFileAccess& m_files;
    const QString m_path;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<GameHistory> m_waiting;
    bool m_writing = false;
    bool m_failing = false;
    bool m_closing = false;
    std::thread m_writer;
};

} // namespace zantaro
