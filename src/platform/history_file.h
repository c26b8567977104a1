// HistoryFile: the file "History.json" beside "Zantaro.ini" that keeps the running game's history
// across runs, read once at start-up and replaced whole, atomically, after each paid spin.
#pragma once

#include "game/game_history.h"
#include "game/text_file_access.h"

#include <QString>

namespace zantaro {

inline constexpr const char* HistoryFileName = "History.json";

class HistoryFile
{
public:
    HistoryFile(TextFileAccess& files, const QString& settingsDirectory);

    // A missing, damaged or hostile file gives an empty history and a note on stderr.
    GameHistory read();

    // False when the file could not be written; the first failure after a success is noted on
    // stderr, so an unwritable directory does not fill the log with one line a spin.
    bool write(const GameHistory& history);

    const QString& path() const { return m_path; }

private:
    TextFileAccess& m_files;
    const QString m_path;
    bool m_failing = false;
};

} // namespace zantaro
