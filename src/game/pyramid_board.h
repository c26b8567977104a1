// SPDX-License-Identifier: GPL-3.0-or-later
// PyramidBoard: the rules of the Pyramid - the fifteen hidden labels and their shuffle, the two
// hints about the "5X", what opening a square does to the winnings, the buttons' effect on the
// game and the final tally. It knows no window system and never waits: a PyramidView shows what it
// changes, and the window times how long an opened square holds the game, then calls finishHold;
// a close meanwhile calls finishAtOnce.
#pragma once

#include "double_or_nothing_round.h"
#include "game_context.h"

#include <array>
#include <chrono>
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
    // Shows the hint and returns at once; once the player has read it, the window calls hintRead.
    virtual void showHint(const std::string& text) = 0;
};

class PyramidBoard
{
public:
    // Creating the window: reseeds, notes the winnings, shuffles the labels and writes the hints.
    explicit PyramidBoard(GameContext& context);

    // A square clicked: opens it when there is something to play for, it is still closed and no
    // other square is being opened. The square shows open, the winnings change and its cue starts
    // at once; its label, the winnings, after "Lose" every square, and a hint follow as the holds
    // end (finishHold) and as the hint is read (hintRead).
    void open(int square, PyramidView& view);

    // A square is being opened: its cue or the pause after "Lose" holds the game, or its hint is
    // being read.
    bool opening() const { return m_stage != Stage::Idle; }
    // How long the game is held now before finishHold: the cue's hold before the label shows, then
    // after "Lose" the pause before every square shows. Zero while no hold runs.
    std::chrono::milliseconds hold() const { return m_hold; }
    // The hold is over: the opening goes on to its next hold, the hint or its end.
    void finishHold(PyramidView& view);
    // Ends every hold left of the opening under way now, one after another as their ends would,
    // so the winnings, the squares shown and the view's calls are those of the timed opening. A
    // hint square's hint shows and is still to be read; without one the opening is over.
    void finishAtOnce(PyramidView& view);
    // The hint shown has been read: the opening is over.
    void hintRead();

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

private:
    enum class Stage
    {
        Idle,
        CueHold,   // the square shows open, its label not yet
        LossPause, // "Lose" shows, the other squares not yet
        HintShown, // the hint waits to be read
    };

    static std::size_t index(int square) { return static_cast<std::size_t>(square); }
    void shuffle();
    void writeHints();
    // Applies the square's effect and starts its cue; returns how long the cue holds the game.
    std::chrono::milliseconds applyLabel(int square);
    void showLabel(PyramidView& view);
    void showEverySquare(PyramidView& view);
    // The last step of an opening: the hint of a hint square, else the opening's end.
    void offerHint(PyramidView& view);

    GameContext& m_context;
    DoubleOrNothingRound m_round;
    std::array<std::string_view, SquareCount> m_labels{};
    std::array<bool, SquareCount> m_opened{};
    std::array<bool, SquareCount> m_labelShown{};
    int m_firstHintSquare = -1;
    int m_secondHintSquare = -1;
    std::string m_firstHintText;
    std::string m_secondHintText;
    Stage m_stage = Stage::Idle;
    int m_openingSquare = -1;
    std::chrono::milliseconds m_hold{0};
};

} // namespace zantaro
