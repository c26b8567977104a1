// SPDX-License-Identifier: GPL-3.0-or-later
// PyramidBoard: the rules of the Pyramid - the fifteen hidden labels and their shuffle, the two
// hints about the "5X", what opening a square does to the winnings, the buttons' effect on the
// game and the final tally. It knows no window system; a PyramidView shows what it changes.
#pragma once

#include "game/double_or_nothing_round.h"
#include "game/game_context.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zantaro {

inline constexpr int SquareCount = 15;
inline constexpr int SquareSize = 64;

inline constexpr std::string_view LoseLabel = "Lose";
inline constexpr std::string_view HintLabel = "Hint";
inline constexpr std::string_view TryAgainLabel = "Try Again";

// The translation context of the hints' English texts, which the board hands out.
inline constexpr const char* PyramidHintContext = "PyramidHint";

// The top-left corner of a square in the window: five rows stacked as a pyramid under square 0.
struct SquarePosition
{
    int x = 0;
    int y = 0;
};
SquarePosition squarePosition(int square);

// The multiplier of a "2X", "3X" or "5X" label, else 0.
std::int32_t labelMultiplier(std::string_view label);

// Shows what the board changed: the window implements it.
class PyramidView
{
public:
    virtual ~PyramidView() = default;
    virtual void showSquare(int square) = 0; // at once
    virtual void showWinnings() = 0;
    virtual void showHint(const std::string& text) = 0; // returns when the player has read it
};

class PyramidBoard
{
public:
    // Creating the window: reseeds, notes the winnings, shuffles the labels and writes the hints.
    explicit PyramidBoard(GameContext& context);

    // A square clicked: opens it when there is something to play for and it is still closed.
    void open(int square, PyramidView& view);

    // "&OK", "&Card Game" and the window's close, as the round takes them.
    DoubleOrNothingRound& round() { return m_round; }

    std::string_view label(int square) const { return m_labels[index(square)]; }
    bool opened(int square) const { return m_opened[index(square)]; }
    // An open square shows its label once its effect has been applied.
    bool labelShown(int square) const { return m_labelShown[index(square)]; }
    int firstHintSquare() const { return m_firstHintSquare; }
    int secondHintSquare() const { return m_secondHintSquare; }
    // Each hint is one whole English sentence, marked for translation in PyramidHintContext.
    const std::string& firstHintText() const { return m_firstHintText; }
    const std::string& secondHintText() const { return m_secondHintText; }
    // A square is being opened: its cue, the pause after "Lose" or a hint is still running.
    bool opening() const { return m_opening; }

private:
    static std::size_t index(int square) { return static_cast<std::size_t>(square); }
    void shuffle();
    void writeHints();
    void applyLabel(int square);

    GameContext& m_context;
    DoubleOrNothingRound m_round;
    std::array<std::string_view, SquareCount> m_labels{};
    std::array<bool, SquareCount> m_opened{};
    std::array<bool, SquareCount> m_labelShown{};
    int m_firstHintSquare = -1;
    int m_secondHintSquare = -1;
    std::string m_firstHintText;
    std::string m_secondHintText;
    bool m_opening = false;
};

} // namespace zantaro
