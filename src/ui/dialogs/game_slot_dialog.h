// SPDX-License-Identifier: GPL-3.0-or-later
// GameSlotDialog: saves the running game into one of eight named slots or opens a game from one.
// Its panels show copies of the stored games; the running game changes only when a slot is opened.
#pragma once

#include "game/game_state.h"
#include "ui/dialogs/help_key_dialog.h"
#include "ui/dialogs/slot_panel.h"

#include <QCoreApplication>
#include <array>
#include <functional>
#include <string>

namespace zantaro {

inline constexpr int GameSlotHelpTopic = 41008;
inline constexpr int SlotPanelCount = 8;

class GameSlotDialog : public HelpKeyDialog
{
    Q_DECLARE_TR_FUNCTIONS(GameSlotDialog)

public:
    // Writes (save) or reads a slot of the saved-game file to or from the running game; false when
    // nothing was done (the player kept the running game, or the write failed).
    using SlotAction = std::function<bool(int slot, bool save, const std::string& name)>;
    // The game stored in a slot, read into a value of its own.
    using ReadSlot = std::function<GameState(int slot)>;

    // Stores the running game in the current-game slot and reads the eight slots into the panels;
    // their buttons save into a slot or open one.
    GameSlotDialog(bool saveMode, SlotAction saveLoadGame, const ReadSlot& readSlot,
                   std::function<void(int helpTopic)> showHelpTopic, QWidget* parent = nullptr);

protected:
    int helpTopic() const override { return GameSlotHelpTopic; }

private:
    void chooseSlot(int panel);

    const bool m_saveMode;
    SlotAction m_saveLoadGame;
    std::array<SlotPanel*, SlotPanelCount> m_panels{};
};

} // namespace zantaro
