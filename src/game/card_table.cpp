// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_table.h"

#include "timings.h"

#include <utility>

namespace zantaro {

namespace {

// The index of the cell of pitch `pitch` starting at `origin` whose hit span [start, start + span]
// holds the coordinate; cells count from 0 to count - 1.
std::optional<int> cellAt(int coordinate, int origin, int pitch, int span, int count)
{
    if (coordinate < origin)
        return std::nullopt;
    const int cell = (coordinate - origin) / pitch;
    if (cell >= count || coordinate > origin + pitch * cell + span)
        return std::nullopt;
    return cell;
}

} // namespace

std::optional<int> slotAt(int x, int y)
{
    const std::optional<int> column = cellAt(x, TableLeft, ColumnPitch, CardWidth, TableColumns);
    const std::optional<int> row = cellAt(y, TableTop, RowPitch, CardHeight, TableRows);
    if (!column || !row)
        return std::nullopt;
    return *row * TableColumns + *column;
}

RankEffect rankEffect(std::int32_t rank)
{
    if (rank == JokerRank)
        return {10, 1, SoundCue::Paid, false};
    if (rank == 0) // Ace
        return {3, 1, SoundCue::Paid, false};
    if (rank >= 10) // Jack, Queen, King
        return {2, 1, SoundCue::Paid, false};
    if (rank >= 7) // 8, 9, 10: a push
        return {1, 1, SoundCue::Neutral, false};
    if (rank == 6) // 7: half is lost
        return {1, 2, SoundCue::Neutral, false};
    return {0, 1, SoundCue::Loss, true}; // 2 to 6
}

CardTable::CardTable(GameContext& context) : m_context(context), m_round(context.state)
{
    shuffleAndDeal();
}

void CardTable::shuffleAndDeal()
{
    m_context.reseed();
    for (std::int32_t i = 0; i < DeckSize; ++i)
        m_deck[static_cast<std::size_t>(i)] = {i, i % 13, i / 13, false};
    RandomGenerator& random = m_context.random;
    for (int pass = 0; pass < 31; ++pass) {
        for (std::size_t i = 0; i < m_deck.size(); ++i)
            std::swap(m_deck[i], m_deck[random.random(DeckSize)]);
    }
    CardSlot& joker = m_deck[random.random(TableSlots)];
    joker.cardNumber = JokerCard;
    joker.rank = JokerRank;
}

std::optional<int> CardTable::release(int x, int y, CardTableView& view)
{
    const std::optional<int> hit = slotAt(x, y);
    if (hit && play(*hit, view))
        return hit;
    return std::nullopt;
}

bool CardTable::play(int slotIndex, CardTableView& view)
{
    // A slot played while an earlier card's hold still runs turns nothing, as does one with a
    // turned card or after the hand is over.
    if (m_turning || m_handOver || slot(slotIndex).faceUp) {
        view.showWinnings();
        return false;
    }
    m_turning = true;
    m_hold = turn(slotIndex, view);
    if (m_hold <= std::chrono::milliseconds{0})
        finishTurn(view);
    return true;
}

std::chrono::milliseconds CardTable::turn(int slotIndex, CardTableView& view)
{
    CardSlot& card = m_deck[static_cast<std::size_t>(slotIndex)];
    card.faceUp = true;
    view.drawSlot(slotIndex);

    const RankEffect effect = rankEffect(card.rank);
    if (!effect.losesAll) {
        m_round.scaleWinnings(effect.multiplier, effect.divisor);
        return m_context.startCue(effect.cue);
    }
    m_handOver = true;
    const std::chrono::milliseconds cueHold = m_context.startCue(SoundCue::Loss); // plays on during the pause
    m_round.loseWinnings();
    return cueHold + timings::GameLossPause;
}

void CardTable::finishTurn(CardTableView& view)
{
    if (!m_turning)
        return;
    m_turning = false;
    m_hold = std::chrono::milliseconds{0};
    if (m_handOver) {
        for (CardSlot& card : m_deck)
            card.faceUp = true;
        view.redrawTable();
    }
    view.showWinnings();
}

} // namespace zantaro
