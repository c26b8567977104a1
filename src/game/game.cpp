// SPDX-License-Identifier: GPL-3.0-or-later
#include "game.h"

#include <array>

namespace zantaro {

Game::Game(GameHost host, GameState start) : m_state(std::move(start)), m_machine(m_state, host, m_random)
{
    m_machine.recordHistory(m_history);
}

std::optional<Message> Game::moveCredits(BorrowMode mode, std::int32_t amount)
{
    return zantaro::moveCredits(m_state, mode, amount);
}

void Game::toggle(GameOption option)
{
    // The flag of each option, in GameOption order.
    static constexpr std::array<bool GameState::*, 4> Flags{&GameState::sound, &GameState::doubleOn,
                                                            &GameState::payMode, &GameState::autoSpin};
    bool& flag = m_state.*Flags[static_cast<std::size_t>(option)];
    flag = !flag;
}

void Game::openSlot(SavedGameStore& store, int slot, const CalendarDate& today)
{
    store.load(m_state, slot, today);
    m_history.clear();
    m_machine.leaveLastSpin();
}

bool Game::progressIsKept(SavedGameStore& store, const CalendarDate& today) const
{
    GameState fresh = m_state;
    resetGame(fresh);
    if (sameProgress(m_state, fresh))
        return true;
    for (int slot = 0; slot < CurrentGameSlot; ++slot) {
        if (sameProgress(m_state, readSlot(store, slot, today)))
            return true;
    }
    return false;
}

void Game::storeSlot(SavedGameStore& store, int slot, std::string_view name, const CalendarDate& today) const
{
    store.save(m_state, slot, name, today);
}

GameState Game::readSlot(SavedGameStore& store, int slot, const CalendarDate& today) const
{
    // A slot holds the stored fields only; the rest of the game is the running one's.
    GameState stored = m_state;
    store.load(stored, slot, today);
    return stored;
}

} // namespace zantaro
