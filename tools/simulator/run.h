// SPDX-License-Identifier: GPL-3.0-or-later
// The whole of zantaro-sim behind main: parses the command line, runs the command, and tells how
// it ended by the exit status.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace zantaro::simulator {

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitRunFailed = 1;
inline constexpr int ExitUsage = 2;

// The arguments after the program name; results go to `out`, problems to `errors`.
int runSimulator(std::span<const std::string> arguments, std::ostream& out, std::ostream& errors);

} // namespace zantaro::simulator
