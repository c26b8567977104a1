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

class ReplayHost final : public GameHost
{
public:
    ReplayHost(GameHost& view, ReseedClock& clock, SpinObserver& observer)
        : m_view(view), m_clock(clock), m_observer(observer)
    {
    }

    std::int64_t millisecondsSinceMidnightUtc() override { return m_clock.next(); }
    std::chrono::milliseconds tickCount() override { return m_view.tickCount(); }
    void waitUntil(std::chrono::milliseconds deadline) override { m_view.waitUntil(deadline); }
    bool showsAnimation() const override { return m_view.showsAnimation(); }

    void DrawWheelCell(int wheel) override { m_view.DrawWheelCell(wheel); }
    void DrawLamp(int lamp) override { m_view.DrawLamp(lamp); }
    void DrawCredits() override { m_view.DrawCredits(); }
    void DrawBonusPool() override { m_view.DrawBonusPool(); }
    void DrawLightningRow() override { m_view.DrawLightningRow(); }
    void DrawBonusPyramid() override { m_view.DrawBonusPyramid(); }
    void DrawLinesPlayed() override { m_view.DrawLinesPlayed(); }
    void DrawCoinsPerLine() override { m_view.DrawCoinsPerLine(); }
    void DrawCoinsPlayed() override { m_view.DrawCoinsPlayed(); }
    void DrawWinningsReadout(bool show) override { m_view.DrawWinningsReadout(show); }
    void DrawCommandCaptions() override { m_view.DrawCommandCaptions(); }
    void DrawFreeSpinText(const std::string& text, bool lit) override { m_view.DrawFreeSpinText(text, lit); }
    void drawFreeSpinLabel() override { m_view.drawFreeSpinLabel(); }
    void repaintWindow() override { m_view.repaintWindow(); }

    void drawMotionFrame(int wheel, int motionOffset) override
    {
        m_view.drawMotionFrame(wheel, motionOffset);
    }
    void fillWheelBlank(int wheel) override { m_view.fillWheelBlank(wheel); }
    void captureWheel(int wheel) override { m_view.captureWheel(wheel); }
    void drawCapturedWheel(int wheel, int offsetDown) override
    {
        m_view.drawCapturedWheel(wheel, offsetDown);
    }
    void drawLineHighlight(int line) override { m_view.drawLineHighlight(line); }

    void setTimerActive(GameTimer timer, bool active) override { m_view.setTimerActive(timer, active); }
    void playCue(SoundCue cue) override { m_view.playCue(cue); }
    void playDoubleOrNothing(DoubleOrNothingGame game) override { m_view.playDoubleOrNothing(game); }
    void saveRunningGame() override { m_view.saveRunningGame(); }

    void showMessage(const std::string& text) override
    {
        m_view.showMessage(text);
        m_observer.betRefused(text);
    }

    void spinSettled() override
    {
        m_view.spinSettled();
        m_observer.spinSettled();
    }

private:
    GameHost& m_view;
    ReseedClock& m_clock;
    SpinObserver& m_observer;
};

} // namespace zantaro::simulator
