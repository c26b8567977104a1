// SPDX-License-Identifier: GPL-3.0-or-later
// Runs zantaro-sim in-process on a command line and keeps its exit status, output and errors, with
// the helpers the simulator tests share for reading `play` output.
#pragma once

#include "game/random_generator.h"
#include "run.h"

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace zantaro::simulator::testing {

struct SimulatorRun
{
    int exitCode = -1;
    std::string out;
    std::string errors;

    std::vector<std::string> outLines() const
    {
        std::vector<std::string> lines;
        std::istringstream stream(out);
        for (std::string line; std::getline(stream, line);)
            lines.push_back(line);
        return lines;
    }
};

inline SimulatorRun runSimulator(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream errors;
    SimulatorRun run;
    run.exitCode = simulator::runSimulator(arguments, out, errors);
    run.out = out.str();
    run.errors = errors.str();
    return run;
}

// Reads one member of a compact JSON record line: a whole number, an array of them, or a string
// without escapes.
inline std::string memberText(const std::string& line, const std::string& key)
{
    const std::string marker = "\"" + key + "\":";
    const std::size_t start = line.find(marker);
    if (start == std::string::npos)
        return {};
    const std::size_t from = start + marker.size();
    const char opening = line[from];
    const std::size_t end = opening == '['   ? line.find(']', from) + 1
                            : opening == '"' ? line.find('"', from + 1) + 1
                                             : line.find_first_of(",}", from);
    return line.substr(from, end - from);
}

inline std::int64_t intMember(const std::string& line, const std::string& key)
{
    return std::stoll(memberText(line, key));
}

inline std::vector<int> intArrayMember(const std::string& line, const std::string& key)
{
    std::string text = memberText(line, key);
    std::vector<int> numbers;
    std::istringstream stream(text.substr(1, text.size() - 2));
    for (std::string number; std::getline(stream, number, ',');)
        numbers.push_back(std::stoi(number));
    return numbers;
}

inline bool isFreeSpin(const std::string& line)
{
    return memberText(line, "kind") == "\"free\"";
}

// The stops and the final lamp of a spin that is not stopped, from the clock value it reseeds
// from: one draw thrown away, the lamp, motion offset and stop of each wheel, then 25 lamp draws.
struct DrawnSpin
{
    std::array<int, 9> stops{};
    int lamp = 0;
};

inline DrawnSpin drawnSpin(std::int64_t clockValue)
{
    RandomGenerator random;
    random.reseed(clockValue);
    DrawnSpin spin;
    random.random(2);
    spin.lamp = static_cast<int>(random.random(8));
    for (int& stop : spin.stops) {
        random.random(576);
        stop = static_cast<int>(random.random(20));
    }
    for (int step = 0; step < 25; ++step)
        spin.lamp = static_cast<int>(random.random(8));
    return spin;
}

} // namespace zantaro::simulator::testing
