// SPDX-License-Identifier: GPL-3.0-or-later
// RecordingSlotStore: the real saved-game store over an in-memory file, recording every slot read
// and write of the running game that the game-slot dialog asks for, in order, and the slots it
// reads for its panels.
#pragma once

#include "game/game_state.h"
#include "game/ini_document.h"
#include "game/saved_game_store.h"
#include "support/memory_file_access.h"
#include "ui/dialogs/game_slot_dialog.h"

#include <ostream>
#include <string>
#include <vector>

namespace zantaro::testing {

struct SlotCall
{
    int slot;
    bool save;
    std::string name;

    bool operator==(const SlotCall&) const = default;
};

inline void PrintTo(const SlotCall& call, std::ostream* os)
{
    *os << (call.save ? "save " : "read ") << call.slot << (call.save ? " as \"" + call.name + "\"" : "");
}

inline const CalendarDate Today{2024, 3, 9};
inline const std::string TodayText = "03/09/24";

class RecordingSlotStore
{
public:
    explicit RecordingSlotStore(GameState& state) : m_state(state) {}

    GameSlotDialog::SlotAction saveLoadGame()
    {
        return [this](int slot, bool save, const std::string& name) {
            calls.push_back({slot, save, save ? name : std::string()});
            try {
                if (save)
                    m_store.save(m_state, slot, name, Today);
                else
                    m_store.load(m_state, slot, Today);
                return true;
            } catch (const SaveFileError&) {
                // The window tells the player; the dialog goes on as after any failed write.
                return false;
            }
        };
    }

    // Reads a slot into a game of its own, recording the slot in `peeks`.
    GameSlotDialog::ReadSlot readSlot()
    {
        return [this](int slot) {
            peeks.push_back(slot);
            GameState stored;
            m_store.load(stored, slot, Today);
            return stored;
        };
    }

    // Writes a game into a slot before the dialog opens, without recording it.
    void store(int slot, GameState game, const std::string& name) { m_store.save(game, slot, name, Today); }

    IniDocument file() const
    {
        const auto text = files.files.find(Path);
        return IniDocument(text == files.files.end() ? std::string() : text->second);
    }

    MemoryFileAccess files;
    std::vector<SlotCall> calls;
    std::vector<int> peeks;

private:
    static constexpr const char* Path = "Zantaro.ini";
    GameState& m_state;
    SavedGameStore m_store{files, Path};
};

} // namespace zantaro::testing
