// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include <charconv>
#include <limits>

namespace zantaro::simulator {

namespace {

// Walks the options of one command: "--name value" or "--name=value", and flags without a value.
class OptionReader
{
public:
    explicit OptionReader(std::span<const std::string> arguments) : m_arguments(arguments) {}

    // Moves to the next option; false when there is none left.
    bool next()
    {
        if (m_position >= m_arguments.size())
            return false;
        const std::string& argument = m_arguments[m_position++];
        if (argument.rfind("--", 0) != 0 && argument != "-h")
            throw UsageError("unexpected argument '" + argument + "'");
        const std::size_t equals = argument.find('=');
        m_name = argument.substr(0, equals);
        m_inlineValue =
            equals == std::string::npos ? std::nullopt : std::optional(argument.substr(equals + 1));
        return true;
    }

    const std::string& name() const { return m_name; }

    bool isHelp() const { return m_name == "--help" || m_name == "-h"; }

    void flag() const
    {
        if (m_inlineValue)
            throw UsageError(m_name + " takes no value");
    }

    // The option's value as a whole number within [lowest, highest].
    template <typename Integer> Integer number(Integer lowest, Integer highest)
    {
        const std::string text = value();
        Integer parsed{};
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
        if (error != std::errc() || end != text.data() + text.size() || parsed < lowest || parsed > highest)
            throw UsageError(m_name + " needs a whole number from " + std::to_string(lowest) + " to " +
                             std::to_string(highest) + ", not '" + text + "'");
        return parsed;
    }

    [[noreturn]] void unknown() const { throw UsageError("unknown option '" + m_name + "'"); }

private:
    std::string value()
    {
        if (m_inlineValue)
            return *m_inlineValue;
        if (m_position >= m_arguments.size())
            throw UsageError(m_name + " needs a value");
        return m_arguments[m_position++];
    }

    std::span<const std::string> m_arguments;
    std::size_t m_position = 0;
    std::string m_name;
    std::optional<std::string> m_inlineValue;
};

constexpr std::int64_t AnyInt64Low = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t AnyInt64High = std::numeric_limits<std::int64_t>::max();
constexpr std::int32_t MaxBetFactor = 8;

// The options both commands read the reseed clock from; false for any other option.
bool readClockOption(OptionReader& reader, std::int64_t& clock, std::int64_t& step)
{
    if (reader.name() == "--clock")
        clock = reader.number(AnyInt64Low, AnyInt64High);
    else if (reader.name() == "--clock-step")
        step = reader.number(AnyInt64Low, AnyInt64High);
    else
        return false;
    return true;
}

Command parsePlay(OptionReader reader)
{
    PlayOptions options;
    while (reader.next()) {
        if (reader.isHelp())
            return HelpCommand{};
        if (readClockOption(reader, options.clock, options.clockStep))
            continue;
        if (reader.name() == "--spins")
            options.spins = reader.number<std::int64_t>(0, AnyInt64High);
        else if (reader.name() == "--lines")
            options.bet.lines = reader.number<std::int32_t>(0, MaxBetFactor);
        else if (reader.name() == "--coins")
            options.bet.coins = reader.number<std::int32_t>(0, MaxBetFactor);
        else if (reader.name() == "--credits")
            options.credits = reader.number<std::int32_t>(0, std::numeric_limits<std::int32_t>::max());
        else
            reader.unknown();
    }
    return options;
}

Command parsePar(OptionReader reader)
{
    ParOptions options;
    std::int64_t clock = 0;
    bool clockGiven = false;
    while (reader.next()) {
        if (reader.isHelp())
            return HelpCommand{};
        if (readClockOption(reader, clock, options.simulation.clockStep)) {
            clockGiven = clockGiven || reader.name() == "--clock";
            continue;
        }
        if (reader.name() == "--json") {
            reader.flag();
            options.json = true;
        } else if (reader.name() == "--simulate") {
            options.simulation.spins = reader.number<std::int64_t>(1, AnyInt64High);
        } else if (reader.name() == "--seed") {
            options.simulation.seed =
                reader.number<std::uint64_t>(0, std::numeric_limits<std::uint64_t>::max());
        } else {
            reader.unknown();
        }
    }
    if (clockGiven)
        options.simulation.clock = clock;
    return options;
}

} // namespace

Command parseCommandLine(std::span<const std::string> arguments)
{
    if (arguments.empty())
        throw UsageError("no command given");
    const std::string& command = arguments.front();
    const OptionReader options(arguments.subspan(1));
    if (command == "--help" || command == "-h" || command == "help")
        return HelpCommand{};
    if (command == "play")
        return parsePlay(options);
    if (command == "par")
        return parsePar(options);
    throw UsageError("unknown command '" + command + "'");
}

const char* usageText()
{
    return R"(Usage: zantaro-sim play [options]
       zantaro-sim par [options]
       zantaro-sim --help

Plays the real rules of Zantaro Slots without a window.

play   Replays regular spins from a new game and prints one JSON object per spin played,
       regular and free, after its evaluation and payout. Every reseed of the game reads
       the next value of a stepped clock instead of the time of day: the k-th reseed
       (k = 0, 1, 2, ...) reads (MS + k * STEP) mod 86400000.
         --clock MS         the first reseed's milliseconds since midnight (default 0)
         --clock-step STEP  added for every later reseed (default 1)
         --spins N          regular spins, each followed by the free spins it earns (default 1)
         --lines L          paylines played, 0 to 8 (default 8)
         --coins C          coins per line, 0 to 8 (default 1)
         --credits X        the starting balance (default 1000)
       A refused bet prints {"refused": "<message>"} and ends the run.

par    Prints the par sheet: for every payline, the exact chance of each row of the payoff
       table and its share of the expected pay, on the normal strips with the regular table
       and on the free-spin strips with the free-spin table; then a simulation of the whole
       game (8 lines x 1 coin) with its return to player.
         --simulate N       regular spins to simulate (default 1000000)
         --seed S           seed of the random clock the reseeds read (default 1)
         --clock MS         reseed from the stepped clock of play instead, reproducibly
         --clock-step STEP  its step (default 1)
         --json             print one JSON object instead of the readable sheet

Exit status: 0 on success, 1 when a run cannot finish, 2 for a usage error.
)";
}

} // namespace zantaro::simulator
