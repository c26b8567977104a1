// SPDX-License-Identifier: GPL-3.0-or-later
// CardTable: the rules of the double-or-nothing card table - the deal, the hit areas of the cards,
// what each turned card does to the winnings, the buttons' effect on the game and the final tally.
// It knows no window system and never waits: a CardTableView shows what it changes, and the window
// times how long a turned card holds the game, then calls finishTurn; a close meanwhile calls it
// at once.
#pragma once

#include "double_or_nothing_round.h"
#include "game_context.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

namespace zantaro {

inline constexpr int DeckSize = 52;
inline constexpr int TableColumns = 8;
inline constexpr int TableRows = 3;
inline constexpr int TableSlots = TableColumns * TableRows;
inline constexpr std::int32_t JokerCard = 52;
inline constexpr std::int32_t JokerRank = 13;

// A card's picture and its place on the table, in window pixels.
inline constexpr int CardWidth = 73;
inline constexpr int CardHeight = 98;
inline constexpr int TableLeft = 8;
inline constexpr int TableTop = 8;
inline constexpr int ColumnPitch = 78;
inline constexpr int RowPitch = 100;

struct CardSlot
{
    std::int32_t cardNumber = 0; // 0..51, or JokerCard
    std::int32_t rank = 0;       // cardNumber mod 13 (0 Ace .. 12 King), JokerRank for the joker
    std::int32_t suit = 0;       // cardNumber div 13: clubs, hearts, diamonds, spades
    bool faceUp = false;
};

struct TablePoint
{
    int x = 0;
    int y = 0;
};

// The top-left corner of a slot's card.
constexpr TablePoint cardPosition(int slot)
{
    return {TableLeft + ColumnPitch * (slot % TableColumns), TableTop + RowPitch * (slot / TableColumns)};
}

// The slot whose hit area holds the point. A hit area is one pixel wider and taller than the card's
// picture, so the areas meet nowhere and the gaps between them turn nothing.
std::optional<int> slotAt(int x, int y);

// What a turned card of a rank does.
struct RankEffect
{
    std::int32_t multiplier = 1;
    std::int32_t divisor = 1;
    SoundCue cue = SoundCue::Neutral;
    bool losesAll = false;
};
RankEffect rankEffect(std::int32_t rank);

// Shows what the table changed: the window implements it.
class CardTableView
{
public:
    virtual ~CardTableView() = default;
    virtual void drawSlot(int slot) = 0; // at once, as the card's cue starts
    virtual void redrawTable() = 0;      // every card turned, once a losing card's hold is over
    virtual void showWinnings() = 0;
};

class CardTable
{
public:
    // Opening the table: no replay asked for yet, the winnings at the start noted, a fresh deal.
    explicit CardTable(GameContext& context);

    // Reseeds, shuffles the 52 cards in 31 passes of 52 swaps, and puts the joker on one of the
    // first 24.
    void shuffleAndDeal();

    // A mouse release at a window point: plays the slot there, if any. Returns the slot whose
    // card it turned.
    std::optional<int> release(int x, int y, CardTableView& view);

    // A slot played, by the mouse or the keyboard: turns its card if it may be turned, starts its
    // cue and changes the winnings. A turn that holds the game stays under way until finishTurn;
    // one that holds nothing ends at once. The winnings show once the turn is over, and at once
    // when nothing turned. Returns whether the card was turned.
    bool play(int slotIndex, CardTableView& view);

    // A card is being turned: its cue or the pause after a losing card still holds the game, and
    // no other card turns.
    bool turning() const { return m_turning; }
    // How long the turn under way holds the game: its cue's hold, and after a losing card the
    // pause that follows it, while the loss cue plays on.
    std::chrono::milliseconds hold() const { return m_hold; }
    // The hold is over, or a close cuts it short: after a losing card every card is turned; the
    // winnings show. A turn has one hold, so this is all that is left of it; with no turn under
    // way it does nothing.
    void finishTurn(CardTableView& view);

    // "&OK", "&Pyramid" and the window's close, as the round takes them.
    DoubleOrNothingRound& round() { return m_round; }

    const CardSlot& slot(int index) const { return m_deck[static_cast<std::size_t>(index)]; }
    bool handOver() const { return m_handOver; }

private:
    // Turns the card and applies its effect; returns how long that holds the game.
    std::chrono::milliseconds turn(int slotIndex, CardTableView& view);

    GameContext& m_context;
    DoubleOrNothingRound m_round;
    std::array<CardSlot, DeckSize> m_deck{};
    bool m_handOver = false;
    bool m_turning = false;
    std::chrono::milliseconds m_hold{0};
};

} // namespace zantaro
