// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of zantaro-sim: which command to run and its options, or a usage error.
#pragma once

#include "play_command.h"
#include "simulation.h"

#include <span>
#include <stdexcept>
#include <string>
#include <variant>

namespace zantaro::simulator {

// A command line that cannot be run; main prints the message and exits with status 2.
class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct HelpCommand
{
};

struct ParOptions
{
    bool json = false;
    SimulationOptions simulation;
};

using Command = std::variant<HelpCommand, PlayOptions, ParOptions>;

// The arguments after the program name. Throws UsageError.
Command parseCommandLine(std::span<const std::string> arguments);

// The text of --help.
const char* usageText();

} // namespace zantaro::simulator
