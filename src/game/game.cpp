// SPDX-License-Identifier: GPL-3.0-or-later
#include "game.h"

namespace zantaro {

Game::Game(GameHost host, GameState start) : m_state(std::move(start)), m_machine(m_state, host, m_random) {}

std::optional<std::string> Game::moveCredits(BorrowMode mode, std::int32_t amount)
{
    return zantaro::moveCredits(m_state, mode, amount);
}

void Game::toggle(GameOption option)
{
    switch (option) {
    case GameOption::Sound:
        m_state.sound = !m_state.sound;
        break;
    case GameOption::Double:
        m_state.doubleOn = !m_state.doubleOn;
        break;
    case GameOption::PayMode:
        m_state.payMode = !m_state.payMode;
        break;
    case GameOption::AutoSpin:
        m_state.autoSpin = !m_state.autoSpin;
        break;
    }
}

void Game::openSlot(SavedGameStore& store, int slot, const CalendarDate& today)
{
    store.saveLoadGame(m_state, slot, false, {}, today);
}

void Game::storeSlot(SavedGameStore& store, int slot, std::string_view name, const CalendarDate& today) const
{
    GameState stored = m_state; // the store reads the fields it writes; the running game stays as it is
    store.saveLoadGame(stored, slot, true, name, today);
}

GameState Game::readSlot(SavedGameStore& store, int slot, const CalendarDate& today) const
{
    GameState stored = m_state;
    store.saveLoadGame(stored, slot, false, {}, today);
    return stored;
}

} // namespace zantaro
