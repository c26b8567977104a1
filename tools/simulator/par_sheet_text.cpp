// SPDX-License-Identifier: GPL-3.0-or-later
#include "par_sheet.h"

#include <cstdio>
#include <string>

namespace zantaro::simulator {

namespace {

std::string formatted(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string percent(double share)
{
    return formatted("%.4f%%", share * 100.0);
}

std::string padded(std::string text, std::size_t width, bool alignRight)
{
    if (text.size() < width)
        text.insert(alignRight ? 0 : text.size(), width - text.size(), ' ');
    return text;
}

// "p/q (0.123456)".
std::string exact(const Fraction& fraction)
{
    return fraction.text() + " (" + formatted("%.6f", fraction.value()) + ")";
}

// "1 in 123.4 regular spins", or "never" for a count of 0.
std::string everySoMany(std::int64_t count, std::int64_t spins)
{
    if (count == 0)
        return "never";
    return "1 in " + formatted("%.1f", static_cast<double>(spins) / static_cast<double>(count)) +
           " regular spins";
}

void writeTable(const TableFigures& table, std::ostream& out)
{
    out << (table.table == PayTable::Regular ? "Regular spins: normal strips, regular payoff table\n"
                                             : "Free spins: free-spin strips, free-spin payoff table\n");
    for (const LineFigures& line : table.lines) {
        out << "\n  Line " << line.line << " (wheels " << line.wheels[0] << ", " << line.wheels[1] << ", "
            << line.wheels[2] << ")\n";
        out << "    Row  Pays  First match              Share of expected pay per coin\n";
        for (const RowFigures& row : line.rows) {
            out << "    " << padded(std::to_string(row.row), 3, true) << "  "
                << padded(std::to_string(row.pays), 4, true) << "  "
                << padded(exact(row.probability), 24, false) << " " << exact(row.contribution) << '\n';
        }
        out << "    Expected pay per coin: " << exact(line.expectedPayPerCoin) << '\n';
        out << "    Hit frequency:         " << exact(line.hitFrequency) << '\n';
    }
    out << "\n  Mean expected pay per coin over the eight lines: " << exact(table.meanExpectedPayPerCoin)
        << "\n\n";
}

void writeSimulation(const ParSheet& sheet, std::ostream& out)
{
    const SimulationResult& result = sheet.simulation;
    const SimulationOptions& options = sheet.simulationOptions;
    out << "Simulation: " << result.regularSpins << " regular spins of " << SimulatedBet.lines << " lines x "
        << SimulatedBet.coins << " coin, the whole game with its bonus features\n";
    if (options.clock)
        out << "  Reseeds:            stepped clock from " << *options.clock << " by " << options.clockStep
            << '\n';
    else
        out << "  Reseeds:            random milliseconds of the day, seed " << options.seed << '\n';
    const double bet = static_cast<double>(result.totalBet);
    const auto [low, high] = result.rtp95ci();
    out << "  Total bet:          " << result.totalBet << '\n';
    out << "  Total paid:         " << result.totalPaid << '\n';
    out << "  Return to player:   " << percent(result.rtp()) << "  (95% confidence " << percent(low) << " to "
        << percent(high) << ")\n";
    out << "    regular lines:    " << percent(static_cast<double>(result.paidRegularLines) / bet) << '\n';
    out << "    bell pool:        " << percent(static_cast<double>(result.paidBellPool) / bet) << '\n';
    out << "    free spins:       " << percent(static_cast<double>(result.paidFreeSpins) / bet) << '\n';
    out << "  Hit frequency:      " << percent(result.hitFrequency()) << " of regular spins\n";
    out << "  Free-spin runs:     " << everySoMany(result.freeSpinRuns, result.regularSpins) << " ("
        << result.freeSpinRuns << " runs, " << result.freeSpins << " free spins)\n";
    out << "  Bell-pool wins:     " << everySoMany(result.bellPoolWins, result.regularSpins) << " ("
        << result.bellPoolWins << ")\n";
    out << "  Speed:              " << formatted("%.0f", result.spinsPerSecond())
        << " regular spins per second of processor time\n";
}

} // namespace

ParSheet makeParSheet(const SimulationOptions& options)
{
    return {options, exactFigures(PayTable::Regular), exactFigures(PayTable::FreeSpin), simulate(options)};
}

void writeParSheetText(const ParSheet& sheet, std::ostream& out)
{
    out << "Zantaro Slots - par sheet\n\n";
    writeTable(sheet.regular, out);
    writeTable(sheet.free, out);
    writeSimulation(sheet, out);
}

} // namespace zantaro::simulator
