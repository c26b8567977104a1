// SPDX-License-Identifier: GPL-3.0-or-later
#include "spin_record.h"

#include "json_writer.h"

namespace zantaro::simulator {

SpinRecord recordOf(const GameState& state)
{
    SpinRecord record;
    record.freeSpin = state.freeSpinMode;
    record.stops = state.wheelPos;
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        record.symbols[wheel] = state.shownSymbol(wheel);
    record.lamp = state.bonusLamp;
    record.linePay = state.linePay;
    record.winnings = state.winnings;
    record.credits = state.credits;
    record.totalBets = state.totalBets;
    record.spins = state.spins;
    record.bellPool = state.bellPool;
    record.bellPoolWon = state.bellPoolWon;
    record.lightning = state.lightning;
    record.melons = state.melons;
    record.apples = state.apples;
    record.grapes = state.grapes;
    record.freeSpinsPending = state.freeSpinsPending;
    record.numberOfBarRolls = state.numberOfBarRolls;
    record.barRollWon = state.barRollWon;
    record.report = englishText(state.spinReport);
    return record;
}

std::string toJson(const SpinRecord& record)
{
    JsonWriter json;
    json.beginObject();
    json.key("kind").value(record.freeSpin ? "free" : "regular");
    json.key("stops").value(record.stops);
    json.key("symbols").value(record.symbols);
    json.key("lamp").value(std::int64_t{record.lamp});
    json.key("linePay").value(record.linePay);
    json.members({
        {"winnings", record.winnings},
        {"credits", record.credits},
        {"totalBets", record.totalBets},
        {"spins", record.spins},
        {"bellPool", record.bellPool},
        {"bellPoolWon", record.bellPoolWon},
        {"lightning", record.lightning},
        {"melons", record.melons},
        {"apples", record.apples},
        {"grapes", record.grapes},
        {"freeSpinsPending", record.freeSpinsPending},
        {"numberOfBarRolls", record.numberOfBarRolls},
        {"barRollWon", record.barRollWon},
    });
    json.key("report").value(record.report);
    json.endObject();
    return json.text();
}

} // namespace zantaro::simulator
