// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_command.h"

#include "game/machine.h"
#include "json_writer.h"
#include "replay_host.h"
#include "silent_host.h"

namespace zantaro::simulator {

namespace {

class Recorder final : public SpinObserver
{
public:
    Recorder(const GameState& state, const RecordSink& sink) : m_state(state), m_sink(sink) {}

    void spinSettled() override
    {
        if (m_state.freeSpinMode)
            m_guard.freeSpin();
        else
            m_guard.regularSpin();
        m_sink(recordOf(m_state));
    }

    void betRefused(const std::string& message) override { m_refusal = message; }

    const std::optional<std::string>& refusal() const { return m_refusal; }

private:
    const GameState& m_state;
    const RecordSink& m_sink;
    FreeSpinGuard m_guard;
    std::optional<std::string> m_refusal;
};

} // namespace

std::optional<std::string> play(const PlayOptions& options, GameHost view, const RecordSink& sink)
{
    GameState state = simulatorStartState(options.bet, options.credits);
    SteppedClock clock(options.clock, options.clockStep);
    Recorder recorder(state, sink);
    ReplayHost host(view, clock, recorder);
    RandomGenerator random;
    Machine machine(state, host.host(), random);
    for (std::int64_t spin = 0; spin < options.spins; ++spin) {
        machine.requestSpin();
        machine.playOut();
        if (recorder.refusal())
            return recorder.refusal();
    }
    return std::nullopt;
}

void printPlay(const PlayOptions& options, std::ostream& out)
{
    SilentHost view;
    const std::optional<std::string> refusal =
        play(options, view, [&out](const SpinRecord& record) { out << toJson(record) << '\n'; });
    if (refusal)
        out << "{\"refused\": " << jsonString(*refusal) << "}\n";
}

} // namespace zantaro::simulator
