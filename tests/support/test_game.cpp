// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_game.h"

#include "game/random_generator.h"
#include "game/reels.h"

#include <algorithm>

namespace zantaro::testing {

Board boardWith(std::initializer_list<std::pair<int, std::uint8_t>> symbols)
{
    Board board;
    board.fill(BlankL);
    for (const auto& [wheel, symbol] : symbols)
        board[wheel] = symbol;
    return board;
}

void showOnWheels(GameState& state, const Board& symbols)
{
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        state.reelStrips[wheel].fill(symbols[wheel]);
}

std::int64_t clockValueForFinalLamp(int lamp)
{
    constexpr int LampStepsOfAFullAnimation = 25;
    for (std::int64_t clock = 0;; ++clock) {
        RandomGenerator random;
        random.reseed(clock);
        random.random(2);
        random.random(LampCount);
        for (int wheel = 0; wheel < WheelCount; ++wheel) {
            random.random(MotionStripRows);
            random.random(StripLength);
        }
        std::uint32_t finalLamp = 0;
        for (int step = 0; step < LampStepsOfAFullAnimation; ++step)
            finalLamp = random.random(LampCount);
        if (finalLamp == static_cast<std::uint32_t>(lamp))
            return clock;
    }
}

void TestGame::playOut()
{
    while (machine.isSpinRequestRunning() && machine.waiting().kind != ScriptWait::Kind::Answer) {
        host.passWait(machine.waiting());
        machine.advance(host.tick);
    }
}

void TestGame::play(Script script)
{
    GameContext& rules = context();
    script.start();
    while (!script.done()) {
        const ScriptWait wait = std::exchange(rules.waiting, {});
        if (wait.kind == ScriptWait::Kind::Answer)
            rules.doubleOrNothingAnswered = true;
        else
            host.passWait(wait);
        wait.resumePoint.resume();
    }
    script.rethrowFailure();
}

LosingGame::LosingGame(int spins)
{
    payInstantlyWithoutOffer();
    showOnWheels(state, boardWith({}));
    queueLosingSpins(spins);
}

void LosingGame::queueLosingSpins(int spins)
{
    static const std::int64_t quiet = clockValueForFinalLamp(NothingLamp);
    for (int spin = 0; spin < spins; ++spin)
        host.nextReseeds.insert(host.nextReseeds.end(), {quiet, 0}); // the spin's reseed and the evaluation's
}

std::vector<std::vector<std::string>> framesOf(const std::vector<std::string>& log)
{
    std::vector<std::vector<std::string>> frames;
    bool inFrame = false;
    for (const std::string& line : log) {
        if (line.rfind("wait ", 0) == 0) {
            inFrame = line == "wait 25";
            if (inFrame)
                frames.emplace_back();
        } else if (inFrame) {
            frames.back().push_back(line);
        }
    }
    return frames;
}

std::vector<std::string> linesAfter(const std::vector<std::string>& log, const std::string& line)
{
    const auto found = std::find(log.begin(), log.end(), line);
    return found == log.end() ? std::vector<std::string>{} : std::vector<std::string>(found + 1, log.end());
}

std::vector<std::string> linesStartingWithAny(const std::vector<std::string>& log,
                                              const std::vector<std::string>& prefixes)
{
    std::vector<std::string> lines;
    std::copy_if(log.begin(), log.end(), std::back_inserter(lines), [&](const std::string& line) {
        return std::any_of(prefixes.begin(), prefixes.end(),
                           [&](const std::string& prefix) { return line.rfind(prefix, 0) == 0; });
    });
    return lines;
}

} // namespace zantaro::testing
