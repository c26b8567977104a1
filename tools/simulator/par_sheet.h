// SPDX-License-Identifier: GPL-3.0-or-later
// The par sheet of the machine: the exact figures of both payoff tables and a simulation of the
// whole game, written for people or as one JSON object.
#pragma once

#include "exact_figures.h"
#include "simulation.h"

#include <ostream>
#include <string>

namespace zantaro::simulator {

struct ParSheet
{
    SimulationOptions simulationOptions;
    TableFigures regular;
    TableFigures free;
    SimulationResult simulation;
};

// Works the sheet out: the exact figures, then the simulation.
ParSheet makeParSheet(const SimulationOptions& options);

// {"regular": T, "free": T, "simulation": S}, exact figures as "p/q" strings.
std::string parSheetJson(const ParSheet& sheet);

// The same figures as aligned text.
void writeParSheetText(const ParSheet& sheet, std::ostream& out);

} // namespace zantaro::simulator
