// SPDX-License-Identifier: GPL-3.0-or-later
// SavedGameStore: keeps the stored fields of the game state in the slots of the saved-game file,
// one INI section per slot, and reads them back.
#pragma once

#include "calendar_date.h"
#include "game_state.h"
#include "text_file_access.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace zantaro {

inline constexpr const char* SavedGameFileName = "Zantaro.ini";
// Slots 0 to 7 are the player's named games; this one holds the running game between runs.
inline constexpr int CurrentGameSlot = 8;
// The running game's slot is stored under this name, which is also its section's.
inline constexpr const char* RunningGameName = "CurrentGame";
// What a read keeps of the stored name and date, in characters.
inline constexpr std::size_t MaxGameNameLength = 30;
inline constexpr std::size_t MaxGameDateLength = 10;

// A save that could not be written; the file is left as it was.
class SaveFileError : public std::runtime_error
{
public:
    explicit SaveFileError(const std::string& path);
    // The file that could not be written; the window words the message in the player's language.
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// Whether two games have come as far: the same money, bonus counters and statistics. The bet and
// the options are settings, not progress, and the name and date are the slot's.
bool sameProgress(const GameState& a, const GameState& b);

class SavedGameStore
{
public:
    SavedGameStore(TextFileAccess& files, std::string path);

    // Writes the stored fields into the slot, under the given name and today's date, all at once;
    // throws SaveFileError when the file cannot be written.
    void save(const GameState& state, int slot, std::string_view name, const CalendarDate& today);
    // Reads the slot into the state, with a fresh game's values for whatever the slot lacks.
    void load(GameState& state, int slot, const CalendarDate& today);

    // "GameNo1" to "GameNo8" for slots 0 to 7, "CurrentGame" for CurrentGameSlot.
    static std::string sectionName(int slot);

private:
    TextFileAccess& m_files;
    std::string m_path;
};

} // namespace zantaro
