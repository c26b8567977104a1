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

void automaticLoser(GameContext& context)
{
    GameState& state = context.state;
    state.SpinReport = "Automatic Loser\r\n";
    context.note(SpinEventKind::AutomaticLoser);
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        state.ReelStrips[wheel][state.WheelPos[wheel]] = AutomaticLoserBlanks[wheel];
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        context.host.presenter.drawWheelCell(wheel);
    context.playCue(SoundCue::AutoLoser);
}

void increaseBonusPool(GameContext& context)
{
    GameState& state = context.state;
    const int increase = static_cast<int>(context.random.Random(25)) + 1;
    state.SpinReport = "Bonus Pool increased by ";
    appendCapped(state.SpinReport, DecimalText(increase).view());
    appendCapped(state.SpinReport, " credits.\r\n");
    addSaturated(state.BellPool, increase);
    context.note(SpinEventKind::BonusPoolIncrease, increase);
    context.host.presenter.drawBonusPool();
    context.playCue(SoundCue::Award);
}

void relightFruit(GameContext& context, std::int32_t& counter, std::int32_t value)
{
    counter = value;
    context.host.presenter.drawBonusPyramid();
    context.playCue(SoundCue::FruitLine);
}

} // namespace

void applyLampOutcome(GameContext& context)
{
    GameState& state = context.state;
    switch (state.BonusLamp) {
    case AutomaticLoserLamp:
        automaticLoser(context);
        break;
    case DoublePayoffLamp:
        state.DoublePayoff = true;
        context.note(SpinEventKind::DoublePayoff);
        state.SpinReport = "All Winnings Lines are Doubled.\r\n";
        context.playCue(SoundCue::Award);
        break;
    case FreeSpinLamp:
        addSaturated(state.FreeSpinsPending, 1);
        context.note(SpinEventKind::FreeSpinLamp);
        context.playCue(SoundCue::Award);
        break;
    case BonusPoolLamp:
        increaseBonusPool(context);
        break;
    default:
        break;
    }
}

void countBellLine(GameContext& context, int line)
{
    context.note(SpinEventKind::BellLine, line);
    addSaturated(context.state.Lightning, -1);
    context.host.presenter.drawLightningRow();
    context.playCue(SoundCue::BellLine);
}

void checkBellPool(GameContext& context)
{
    GameState& state = context.state;
    if (state.Lightning >= 1)
        return;
    context.playCue(SoundCue::BellPoolWin);
    for (int lit = 1; lit <= 3; ++lit) {
        state.Lightning = lit;
        context.host.presenter.drawLightningRow();
        context.playCue(SoundCue::BellLine);
    }
    const std::int64_t won = static_cast<std::int64_t>(state.BellPool) * (state.DoublePayoff ? 2 : 1);
    addSaturated(state.Winnings, won);
    appendCapped(state.SpinReport, "Won the Bell Pool Worth ");
    appendCapped(state.SpinReport, DecimalText(won).view());
    appendCapped(state.SpinReport, "\r\n");
    addSaturated(state.BellPoolWon, won);
    std::int32_t recalled = 0;
    addSaturated(recalled, won);
    context.note(SpinEventKind::BellPoolWon, recalled);
    state.BellPool = FreshBellPool;
    context.host.presenter.repaintWindow();
}

void countFruitLine(GameContext& context, int matchedRow)
{
    GameState& state = context.state;
    std::int32_t* counter = matchedRow == MelonRow   ? &state.Melons
                            : matchedRow == AppleRow ? &state.Apples
                            : matchedRow == GrapeRow ? &state.Grapes
                                                     : nullptr;
    if (counter == nullptr || *counter <= 0)
        return;
    context.note(SpinEventKind::FruitLine, matchedRow);
    relightFruit(context, *counter, *counter - 1);
}

void refillFruit(GameContext& context)
{
    GameState& state = context.state;
    if (static_cast<std::int64_t>(state.Melons) + state.Apples + state.Grapes >= 1)
        return;
    relightFruit(context, state.Melons, 1);
    relightFruit(context, state.Apples, 1);
    relightFruit(context, state.Apples, 2);
    relightFruit(context, state.Grapes, 1);
    relightFruit(context, state.Grapes, 2);
    relightFruit(context, state.Grapes, 3);
    addSaturated(state.FreeSpinsPending, FreeSpinsPerFruitRefill);
    context.note(SpinEventKind::FruitRefill, FreeSpinsPerFruitRefill);
}

} // namespace zantaro
