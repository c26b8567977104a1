// GameSlotDialog: saves the running game into one of eight named slots or opens a game from one.
// It borrows the game state to read the slots for its panels, so it parks the running game in the
// current-game slot while it is open and takes back whatever that slot holds when it closes.
#pragma once

#include "game/game_state.h"
#include "ui/dialogs/help_key_dialog.h"
#include "ui/dialogs/slot_panel.h"

#include <array>
#include <functional>
#include <string>

namespace zantaro {

inline constexpr int GameSlotHelpTopic = 41008;
inline constexpr int SlotPanelCount = 8;

class GameSlotDialog : public HelpKeyDialog
{
public:
    // Writes (save) or reads a slot of the saved-game file to or from the game state.
    using SaveLoadGame = std::function<void(int slot, bool save, const std::string& name)>;

    // Parks the running game and reads the eight slots: the caller must close the dialog (exec()
    // does), which brings the running game back.
    GameSlotDialog(GameState& state, SaveLoadGame saveLoadGame,
                   std::function<void(int helpTopic)> showHelpTopic, QWidget* parent = nullptr);

    // Every way of closing - an OK button, "&Cancel", the close box - takes back the parked game.
    void done(int result) override;

protected:
    int helpTopic() const override { return GameSlotHelpTopic; }

private:
    void chooseSlot(int panel);

    GameState& m_state;
    SaveLoadGame m_saveLoadGame;
    std::array<SlotPanel*, SlotPanelCount> m_panels{};
    bool m_closed = false;
};

} // namespace zantaro
