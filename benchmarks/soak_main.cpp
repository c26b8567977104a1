// SPDX-License-Identifier: GPL-3.0-or-later
// zantaro-soak: plays a million regular spins (or as many as asked) headless, checks the game after
// every spin command and prints the figures; the exit status is 1 when any check failed.
#include "engine_soak.h"

#include <charconv>
#include <cstdio>
#include <string_view>

namespace {

bool parseCount(std::string_view text, std::int64_t& count)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc{} && end == text.data() + text.size() && count > 0;
}

} // namespace

int main(int argc, char** argv)
{
    zantaro::soak::SoakOptions options;
    std::int64_t seed = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--spins" && hasValue && parseCount(argv[i + 1], options.spins)) {
            ++i;
        } else if (option == "--seed" && hasValue && parseCount(argv[i + 1], seed)) {
            options.seed = static_cast<std::uint64_t>(seed);
            ++i;
        } else {
            std::fprintf(stderr, "usage: zantaro-soak [--spins N] [--seed S]\n");
            return 2;
        }
    }

    const zantaro::soak::SoakResult result = zantaro::soak::runSoak(options);
    std::printf("regular spins     %lld\n", static_cast<long long>(result.regularSpins));
    std::printf("free spins        %lld\n", static_cast<long long>(result.freeSpins));
    std::printf("fruit refills     %lld\n", static_cast<long long>(result.fruitRefills));
    std::printf("lamp free spins   %lld\n", static_cast<long long>(result.lampFreeSpins));
    std::printf("automatic losers  %lld\n", static_cast<long long>(result.automaticLosers));
    std::printf("bell pool wins    %lld\n", static_cast<long long>(result.bellPoolWins));
    std::printf("total bet         %lld\n", static_cast<long long>(result.totalBet));
    std::printf("total paid        %lld\n", static_cast<long long>(result.totalPaid));
    std::printf("return to player  %.4f\n", result.returnToPlayer());
    std::printf("borrowing top-ups %lld of %d credits\n", static_cast<long long>(result.topUps),
                zantaro::soak::TopUp);
    std::printf("seconds           %.2f (%.0f spins per second)\n", result.seconds, result.spinsPerSecond());
    std::printf("failed checks     %lld\n", static_cast<long long>(result.violationCount));
    for (const std::string& violation : result.firstViolations)
        std::printf("  %s\n", violation.c_str());
    return result.violationCount == 0 ? 0 : 1;
}
