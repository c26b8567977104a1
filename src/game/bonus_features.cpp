// SPDX-License-Identifier: GPL-3.0-or-later
#include "bonus_features.h"

#include "paytable.h"
#include "reels.h"

namespace zantaro {

namespace {

// The blanks an Automatic Loser writes over each wheel's stop.
constexpr std::array<std::uint8_t, WheelCount> AutomaticLoserBlanks{
    BlankP, BlankL, BlankL, //
    BlankL, BlankL, BlankP, //
    BlankP, BlankP, BlankL, //
};

SoundCue automaticLoser(GameContext& context)
{
    GameState& state = context.state;
    state.spinReport.push_back({MessageId::AutomaticLoser});
    context.note(SpinEventKind::AutomaticLoser);
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        state.reelStrips[wheel][state.wheelPos[wheel]] = AutomaticLoserBlanks[wheel];
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        context.changed(Piece::Wheel, wheel);
    return SoundCue::AutoLoser;
}

SoundCue increaseBonusPool(GameContext& context)
{
    GameState& state = context.state;
    const int increase = static_cast<int>(context.random.random(25)) + 1;
    state.spinReport.push_back({MessageId::BonusPoolIncreased, increase});
    addSaturated(state.bellPool, increase);
    context.note(SpinEventKind::BonusPoolIncrease, increase);
    context.changed(Piece::BonusPool);
    return SoundCue::Award;
}

Script relightFruit(GameContext& context, std::int32_t& counter, std::int32_t value)
{
    counter = value;
    context.changed(Piece::BonusPyramid);
    co_await context.cue(SoundCue::FruitLine);
}

} // namespace

std::optional<SoundCue> applyLampOutcome(GameContext& context)
{
    GameState& state = context.state;
    switch (state.bonusLamp) {
    case AutomaticLoserLamp:
        return automaticLoser(context);
    case DoublePayoffLamp:
        state.doublePayoff = true;
        context.note(SpinEventKind::DoublePayoff);
        state.spinReport.push_back({MessageId::LinesDoubled});
        return SoundCue::Award;
    case FreeSpinLamp:
        addSaturated(state.freeSpinsPending, 1);
        context.note(SpinEventKind::FreeSpinLamp);
        return SoundCue::Award;
    case BonusPoolLamp:
        return increaseBonusPool(context);
    default:
        return std::nullopt;
    }
}

Script countBellLine(GameContext& context, int line)
{
    context.note(SpinEventKind::BellLine, line);
    addSaturated(context.state.lightning, -1);
    context.changed(Piece::LightningRow);
    co_await context.cue(SoundCue::BellLine);
}

Script winBellPool(GameContext& context)
{
    GameState& state = context.state;
    co_await context.cue(SoundCue::BellPoolWin);
    for (int lit = 1; lit <= 3; ++lit) {
        state.lightning = lit;
        context.changed(Piece::LightningRow);
        co_await context.cue(SoundCue::BellLine);
    }
    const std::int64_t won = static_cast<std::int64_t>(state.bellPool) * (state.doublePayoff ? 2 : 1);
    addSaturated(state.winnings, won);
    state.spinReport.push_back({MessageId::BellPoolWon, won});
    addSaturated(state.bellPoolWon, won);
    context.note(SpinEventKind::BellPoolWon, saturated32(won));
    state.bellPool = FreshBellPool;
    context.changed(Piece::Window);
}

bool countFruitLine(GameContext& context, int matchedRow)
{
    GameState& state = context.state;
    std::int32_t* counter = matchedRow == MelonRow   ? &state.melons
                            : matchedRow == AppleRow ? &state.apples
                            : matchedRow == GrapeRow ? &state.grapes
                                                     : nullptr;
    if (counter == nullptr || *counter <= 0)
        return false;
    context.note(SpinEventKind::FruitLine, matchedRow);
    *counter -= 1;
    context.changed(Piece::BonusPyramid);
    return true;
}

Script refillFruit(GameContext& context)
{
    GameState& state = context.state;
    co_await relightFruit(context, state.melons, 1);
    co_await relightFruit(context, state.apples, 1);
    co_await relightFruit(context, state.apples, 2);
    co_await relightFruit(context, state.grapes, 1);
    co_await relightFruit(context, state.grapes, 2);
    co_await relightFruit(context, state.grapes, 3);
    addSaturated(state.freeSpinsPending, FreeSpinsPerFruitRefill);
    context.note(SpinEventKind::FruitRefill, FreeSpinsPerFruitRefill);
}

} // namespace zantaro
