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

class ReplayHost final : public GameClock,
                         public Presenter,
                         public TimerSwitch,
                         public CuePlayer,
                         public Prompts,
                         public GameStorage
{
public:
    ReplayHost(GameHost view, ReseedClock& clock, SpinObserver& observer)
        : m_view(view), m_clock(clock), m_observer(observer)
    {
    }

    std::int64_t millisecondsSinceMidnightUtc() override { return m_clock.next(); }
    std::chrono::milliseconds tickCount() override { return m_view.clock.tickCount(); }
    void waitUntil(std::chrono::milliseconds deadline) override { m_view.clock.waitUntil(deadline); }
    bool showsAnimation() const override { return m_view.presenter.showsAnimation(); }

    void drawWheelCell(int wheel) override { m_view.presenter.drawWheelCell(wheel); }
    void drawLamp(int lamp) override { m_view.presenter.drawLamp(lamp); }
    void drawCredits() override { m_view.presenter.drawCredits(); }
    void drawBonusPool() override { m_view.presenter.drawBonusPool(); }
    void drawLightningRow() override { m_view.presenter.drawLightningRow(); }
    void drawBonusPyramid() override { m_view.presenter.drawBonusPyramid(); }
    void drawLinesPlayed() override { m_view.presenter.drawLinesPlayed(); }
    void drawCoinsPerLine() override { m_view.presenter.drawCoinsPerLine(); }
    void drawCoinsPlayed() override { m_view.presenter.drawCoinsPlayed(); }
    void drawWinningsReadout(bool show) override { m_view.presenter.drawWinningsReadout(show); }
    void drawCommandCaptions() override { m_view.presenter.drawCommandCaptions(); }
    void drawFreeSpinText(const std::string& text, bool lit) override
    {
        m_view.presenter.drawFreeSpinText(text, lit);
    }
    void drawFreeSpinLabel() override { m_view.presenter.drawFreeSpinLabel(); }
    void repaintWindow() override { m_view.presenter.repaintWindow(); }

    void drawMotionFrame(int wheel, int motionOffset) override
    {
        m_view.presenter.drawMotionFrame(wheel, motionOffset);
    }
    void fillWheelBlank(int wheel) override { m_view.presenter.fillWheelBlank(wheel); }
    void captureWheel(int wheel) override { m_view.presenter.captureWheel(wheel); }
    void drawCapturedWheel(int wheel, int offsetDown) override
    {
        m_view.presenter.drawCapturedWheel(wheel, offsetDown);
    }
    void drawLineHighlight(int line) override { m_view.presenter.drawLineHighlight(line); }

    void setTimerActive(GameTimer timer, bool active) override
    {
        m_view.timers.setTimerActive(timer, active);
    }
    void playCue(SoundCue cue) override { m_view.sound.playCue(cue); }
    void playDoubleOrNothing(DoubleOrNothingGame game) override { m_view.prompts.playDoubleOrNothing(game); }
    void saveRunningGame() override { m_view.storage.saveRunningGame(); }

    void showMessage(const std::string& text) override
    {
        m_view.prompts.showMessage(text);
        m_observer.betRefused(text);
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
