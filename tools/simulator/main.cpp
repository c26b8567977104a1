// SPDX-License-Identifier: GPL-3.0-or-later
// zantaro-sim: plays the rules of the game headless - replays of spins and the par sheet.
#include "run.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return zantaro::simulator::runSimulator(arguments, std::cout, std::cerr);
}
