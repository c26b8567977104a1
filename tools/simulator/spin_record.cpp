#include "spin_record.h"

#include "json_writer.h"

namespace zantaro::simulator {

SpinRecord recordOf(const GameState& state)
{
    SpinRecord record;
    record.freeSpin = state.FreeSpinMode;
    record.stops = state.WheelPos;
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        record.symbols[wheel] = state.shownSymbol(wheel);
    record.lamp = state.BonusLamp;
    record.linePay = state.LinePay;
    record.winnings = state.Winnings;
    record.credits = state.Credits;
    record.totalBets = state.TotalBets;
    record.spins = state.Spins;
    record.bellPool = state.BellPool;
    record.bellPoolWon = state.BellPoolWon;
    record.lightning = state.Lightning;
    record.melons = state.Melons;
    record.apples = state.Apples;
    record.grapes = state.Grapes;
    record.freeSpinsPending = state.FreeSpinsPending;
    record.numberOfBarRolls = state.NumberOfBarRolls;
    record.barRollWon = state.BarRollWon;
    record.report = state.SpinReport;
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
