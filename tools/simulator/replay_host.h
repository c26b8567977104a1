// SPDX-License-Identifier: GPL-3.0-or-later
// ReplayHost: the host a simulator run hands the game. It passes everything the game shows on to a
// view host (silent, or one that draws every frame), takes the reseeds from the run's clock instead
// of the time of day, and tells the run's observer about every settled spin and refused bet.
#pragma once

#include "game/host.h"
#include "reseed_clock.h"

namespace zantaro::simulator {

class SpinObserver
{
public:
    virtual ~SpinObserver() = default;
    // A spin, regular or free, has been evaluated and paid.
    virtual void spinSettled() = 0;
    // A spin request was refused with this message.
    virtual void betRefused(const std::string& message) = 0;
};

class ReplayHost final : public GameClock, public Prompts, public GameStorage
{
public:
    ReplayHost(GameHost view, ReseedClock& clock, SpinObserver& observer)
        : m_view(view), m_clock(clock), m_observer(observer)
    {
    }

    // The host for the game: the view's presenter, timers and sound, this host's clock, prompts and
    // storage.
    GameHost host() { return {*this, m_view.presenter, m_view.timers, m_view.sound, *this, *this}; }

    std::int64_t millisecondsSinceMidnightUtc() override { return m_clock.next(); }
    std::chrono::milliseconds tickCount() override { return m_view.clock.tickCount(); }

    bool playDoubleOrNothing(DoubleOrNothingGame game) override
    {
        return m_view.prompts.playDoubleOrNothing(game);
    }
    void saveRunningGame() override { m_view.storage.saveRunningGame(); }

    void showMessage(const Message& message) override
    {
        m_view.prompts.showMessage(message);
        m_observer.betRefused(englishText(message));
    }

    void spinSettled() override
    {
        m_view.storage.spinSettled();
        m_observer.spinSettled();
    }

private:
    GameHost m_view;
    ReseedClock& m_clock;
    SpinObserver& m_observer;
};

} // namespace zantaro::simulator
