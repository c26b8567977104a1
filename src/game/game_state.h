// SPDX-License-Identifier: GPL-3.0-or-later
// GameState: the one record of a game - money, bet, bonus counters, statistics, options, wheels,
// spin control and the last spin's result. Every part of the program reads and writes it directly.
#pragma once

#include "message.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zantaro {

inline constexpr int WheelCount = 9;
inline constexpr int StripLength = 20;
inline constexpr int PaylineCount = 8;
inline constexpr int LampCount = 8;
// The bet adjusters reach 0 to this many lines, and 0 to this many coins a line.
inline constexpr std::int32_t MaxBetFactor = 8;

using Strip = std::array<std::uint8_t, StripLength>;

// The product name and version shown in captions, messages and the update reminder.
inline constexpr const char* ProductName = "Zantaro";
inline constexpr const char* VersionText = "1.0";

// Texts the game builds for the player (the spin report, the Pyramid hints) keep at most this many
// characters; longer text is cut.
inline constexpr std::size_t MaxReportLength = 255;

struct GameState
{
    // Money and bet. One coin is one credit.
    std::int32_t credits = 1000;
    std::int32_t borrowed = 1000;
    std::int32_t coinsPerLine = 1;
    std::int32_t linesPlayed = 8;
    std::int32_t totalBets = 0;

    // Bonus counters.
    std::int32_t bellPool = 100;
    std::int32_t lightning = 3;
    std::int32_t melons = 1;
    std::int32_t apples = 2;
    std::int32_t grapes = 3;
    std::int32_t freeSpinsPending = 0;

    // Statistics. The five marked "never changed" are kept, stored and shown, but no game event
    // moves them; only a loaded game can give them other values.
    std::int32_t spins = 0;
    std::int32_t numberOfBarRolls = 0;
    std::int32_t barRollWon = 0;
    std::int32_t bellPoolWon = 0;
    std::int32_t doubleOrNothingWon = 0;
    std::int32_t cherryRollsWon = 0;      // never changed
    std::int32_t numberOfCherryRolls = 0; // never changed
    std::int32_t gotBonusCount = 0;       // never changed
    std::int32_t sevensWon = 0;           // never changed
    std::int32_t fruitWon = 0;            // never changed

    // Options, stored with every saved game (autoSpin is not).
    bool sound = true;
    bool doubleOn = true;
    bool payMode = true; // true: count off credits step by step; false: instant payoff
    bool autoSave = true;
    bool bonusGame = true; // true: the Pyramid is offered; false: the card game
    bool autoSpin = false;

    // Wheels: the strip each wheel uses now, and where it stopped.
    std::array<Strip, WheelCount> reelStrips{};
    std::array<std::int32_t, WheelCount> wheelPos{4, 1, 6, 7, 10, 9, 3, 0, 12};
    std::array<std::int32_t, WheelCount> savedWheelPos{};

    // Spin control.
    bool spinning = false;
    bool stopRequested = false;
    bool freeSpinMode = false;
    bool restoreStrips = false;
    bool doublePayoff = false;
    bool playAgain = false;

    // Lamp bar.
    std::int32_t bonusLamp = 0;
    std::array<bool, LampCount> lamps{};

    // Result of the last spin.
    std::array<std::int32_t, PaylineCount> linePay{};
    std::int32_t winnings = 0;
    SpinReport spinReport;
    std::int32_t firstWinningLine = -1;

    // What the last read of a saved-game slot found; only the game-slot dialog shows them.
    std::string gameName;
    std::string gameDate;

    // The symbol wheel i shows now.
    std::uint8_t shownSymbol(int wheel) const { return reelStrips[wheel][wheelPos[wheel]]; }
};

// The bet of a regular spin: coins per line times lines played, in 64 bits so no product wraps.
inline std::int64_t betOf(std::int64_t linesPlayed, std::int64_t coinsPerLine)
{
    return coinsPerLine * linesPlayed;
}

// The start-up values of a new program run, in the order start-up gives them, including the
// normal strips and resetGame; the running game stored in "CurrentGame" is loaded over this.
GameState startupGameState();

// "Start a New Game?": money, bonus counters and statistics back to a fresh game. Keeps the bet,
// the options, the wheels, the spin control and the last spin's result. The caller repaints.
void resetGame(GameState& state);

// Appends to a text of at most MaxReportLength characters, keeping the first ones.
void appendCapped(std::string& text, std::string_view addition);

// The decimal text of a number without allocating, for texts built on every spin.
class DecimalText
{
public:
    explicit DecimalText(std::int64_t value);
    std::string_view view() const { return {m_digits.data(), m_length}; }

private:
    std::array<char, 24> m_digits{};
    std::size_t m_length = 0;
};

} // namespace zantaro
