// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_writer.h"
#include "par_sheet.h"

namespace zantaro::simulator {

namespace {

void writeTable(JsonWriter& json, const TableFigures& table)
{
    json.beginObject().key("lines").beginArray();
    for (const LineFigures& line : table.lines) {
        json.beginObject();
        json.key("line").value(std::int64_t{line.line});
        json.key("wheels").beginArray();
        for (const int wheel : line.wheels)
            json.value(std::int64_t{wheel});
        json.endArray();
        json.key("rows").beginArray();
        for (const RowFigures& row : line.rows) {
            json.beginObject();
            json.key("row").value(std::int64_t{row.row});
            json.key("pays").value(std::int64_t{row.pays});
            json.key("probability").value(row.probability.text());
            json.key("contribution").value(row.contribution.text());
            json.endObject();
        }
        json.endArray();
        json.key("expectedPayPerCoin").value(line.expectedPayPerCoin.text());
        json.key("hitFrequency").value(line.hitFrequency.text());
        json.endObject();
    }
    json.endArray();
    json.key("meanExpectedPayPerCoin").value(table.meanExpectedPayPerCoin.text());
    json.endObject();
}

double perRegularSpin(std::int64_t count, const SimulationResult& result)
{
    return static_cast<double>(count) / static_cast<double>(result.regularSpins);
}

double shareOfBet(std::int64_t paid, const SimulationResult& result)
{
    return static_cast<double>(paid) / static_cast<double>(result.totalBet);
}

void writeSimulation(JsonWriter& json, const ParSheet& sheet)
{
    const SimulationResult& result = sheet.simulation;
    const SimulationOptions& options = sheet.simulationOptions;
    json.beginObject();
    json.key("clock").value(options.clock ? "stepped" : "random");
    if (options.clock) {
        json.key("firstReseed").value(*options.clock);
        json.key("clockStep").value(options.clockStep);
    } else {
        json.key("seed").raw(std::to_string(options.seed));
    }
    json.members({{"linesPlayed", SimulatedBet.lines}, {"coinsPerLine", SimulatedBet.coins}});
    json.members({
        {"regularSpins", result.regularSpins},
        {"freeSpins", result.freeSpins},
        {"totalBet", result.totalBet},
        {"totalPaid", result.totalPaid},
        {"paidRegularLines", result.paidRegularLines},
        {"paidBellPool", result.paidBellPool},
        {"paidFreeSpins", result.paidFreeSpins},
        {"regularHits", result.regularHits},
        {"freeSpinRuns", result.freeSpinRuns},
        {"bellPoolWins", result.bellPoolWins},
    });
    json.key("rtp").value(result.rtp());
    const auto [low, high] = result.rtp95ci();
    json.key("rtp95ci").beginArray().value(low).value(high).endArray();
    json.key("rtpRegularLines").value(shareOfBet(result.paidRegularLines, result));
    json.key("rtpBellPool").value(shareOfBet(result.paidBellPool, result));
    json.key("rtpFreeSpins").value(shareOfBet(result.paidFreeSpins, result));
    json.key("hitFrequency").value(result.hitFrequency());
    json.key("freeSpinRunFrequency").value(perRegularSpin(result.freeSpinRuns, result));
    json.key("bellPoolWinFrequency").value(perRegularSpin(result.bellPoolWins, result));
    json.key("spinsPerSecond").value(result.spinsPerSecond());
    json.endObject();
}

} // namespace

std::string parSheetJson(const ParSheet& sheet)
{
    JsonWriter json;
    json.beginObject();
    json.key("regular");
    writeTable(json, sheet.regular);
    json.key("free");
    writeTable(json, sheet.free);
    json.key("simulation");
    writeSimulation(json, sheet);
    json.endObject();
    return json.text();
}

} // namespace zantaro::simulator
