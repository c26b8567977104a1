// SPDX-License-Identifier: GPL-3.0-or-later
// TestGame: a game at its start-up values on a recording host with the machine over it, and the
// helpers that set the wheels up and pick clock values for the spin a test wants.
#pragma once

#include "game/game_state.h"
#include "game/machine.h"
#include "recording_host.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace zantaro::testing {

struct TestGame
{
    GameState state = startupGameState();
    RecordingHost host;
    RandomGenerator random;
    GameHistory history;
    Machine machine{state, host, random};

    TestGame()
    {
        host.game = &state;
        machine.recordHistory(history);
    }

    GameContext& context() { return machine.context(); }

    // A spin command played to its end, each wait passed on the host's clock.
    void spin()
    {
        machine.requestSpin();
        playOut();
    }
    // The running spin command played to its end.
    void playOut();
    // A rule's script run to its end on the game, its waits passed on the host's clock.
    void play(Script script);

    // One grape line short of the fruit refill: no melon or apple left to collect, one grape.
    void needOnlyTheLastGrape()
    {
        state.melons = 0;
        state.apples = 0;
        state.grapes = 1;
    }

    // No double-or-nothing offer and instant payoff: the evaluation runs without windows or waits.
    void payInstantlyWithoutOffer()
    {
        state.doubleOn = false;
        state.payMode = false;
    }
};

using Board = std::array<std::uint8_t, WheelCount>;

// Blanks on every wheel but the given (wheel, symbol) pairs.
Board boardWith(std::initializer_list<std::pair<int, std::uint8_t>> symbols);

// Fills each wheel's whole strip with one symbol, so the wheel shows it wherever it stops.
void showOnWheels(GameState& state, const Board& symbols);

// The lamp without an outcome of its own.
inline constexpr int NothingLamp = 1;

// A game whose wheels show the board under the given lamp, paid at once without an offer.
struct BoardGame : TestGame
{
    explicit BoardGame(const Board& board, int lamp = NothingLamp)
    {
        payInstantlyWithoutOffer();
        showOnWheels(state, board);
        state.bonusLamp = lamp;
    }
};

// A game whose regular spins lose: blank wheels, no double-or-nothing, and clock values that end
// each spin on the lamp without an outcome.
struct LosingGame : TestGame
{
    explicit LosingGame(int spins = 1);
    void queueLosingSpins(int spins);
};

// The first clock value from which a spin that is not stopped ends with the given lamp lit.
std::int64_t clockValueForFinalLamp(int lamp);

// The log cut at its animation frames: element f - 1 holds what follows the f-th 25 ms wait, up
// to the next wait of any length.
std::vector<std::vector<std::string>> framesOf(const std::vector<std::string>& log);

// The lines after the first occurrence of `line`, or nothing when it does not occur.
std::vector<std::string> linesAfter(const std::vector<std::string>& log, const std::string& line);

// The lines that start with any of the prefixes, in order.
std::vector<std::string> linesStartingWithAny(const std::vector<std::string>& log,
                                              const std::vector<std::string>& prefixes);

} // namespace zantaro::testing
