// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheel_animation.h"

#include "reels.h"
#include "timings.h"

namespace zantaro {

namespace {

// Wheel i stops at frame StopPhase + 9 i and bounces for the eight frames after it.
constexpr int StopPhase = 21;
constexpr int FinishedPhase = 29;
constexpr int FramesBetweenWheelStops = 9;
constexpr int LampStepEvery = 4;
constexpr int MotionStepRows = 61;

// Where the captured wheel is drawn, relative to its resting place, in phases 22 to 29.
constexpr std::array<int, 8> BounceOffsets{1, 2, 1, 0, -1, -2, -1, 0};

// A wheel from its stop on: stopped, bouncing, then at rest.
WheelLook settlingLook(int phase)
{
    if (phase == StopPhase)
        return {WheelLook::Kind::Stopped};
    if (phase <= FinishedPhase) {
        const int bounceFrame = phase - StopPhase - 1;
        return {WheelLook::Kind::Bouncing, 0, bounceFrame,
                BounceOffsets[static_cast<std::size_t>(bounceFrame)]};
    }
    return {};
}

int phaseOf(int wheel, int frame)
{
    return frame - FramesBetweenWheelStops * wheel;
}

} // namespace

WheelLook WheelAnimation::lookAt(int wheel, int frame, int startOffset)
{
    if (phaseOf(wheel, frame) >= StopPhase)
        return settlingLook(phaseOf(wheel, frame));
    // The strip moves up a step each frame and loops around.
    const int offset = (startOffset - MotionStepRows * (frame - 1)) % MotionStripRows;
    return {WheelLook::Kind::Turning, offset < 0 ? offset + MotionStripRows : offset};
}

Script WheelAnimation::run(std::array<int, WheelCount> motionOffsets)
{
    m_startOffsets = motionOffsets;
    m_lastFrame = 0;
    co_await runFrames();
    if (m_context.state.stopRequested || m_context.finishAtOnce) {
        m_context.phase = SpinPhase::Stopping;
        co_await quickFinish();
    }
    m_context.view.wheels.fill(WheelLook{});
}

Script WheelAnimation::runFrames()
{
    GameHost& host = m_context.host;
    // Each frame is due a whole frame after the one before. A timer that wakes within the jitter
    // allowance counts as on time, so the usual millisecond of wake-up latency does not slow the
    // animation; a frame later than that is noted when drawn, and only stretches the animation.
    std::chrono::milliseconds lastFrame = host.clock.tickCount();
    for (int frame = 1; frame <= FrameCount; ++frame) {
        const std::chrono::milliseconds due = lastFrame + timings::Frame;
        co_await m_context.pauseUntil(due);
        if (m_context.state.stopRequested || m_context.finishAtOnce)
            co_return;
        const std::chrono::milliseconds now = host.clock.tickCount();
        lastFrame = now - due <= timings::FrameJitter ? due : now;
        m_lastFrame = frame;
        if (frame % LampStepEvery == 0)
            lampStep(true);
        for (int wheel = 0; wheel < WheelCount; ++wheel) {
            if (phaseOf(wheel, frame) <= FinishedPhase) // a wheel at rest is not drawn again
                show(wheel, lookAt(wheel, frame, m_startOffsets[wheel]));
        }
    }
}

// Nobody watches: keep the lamp draws of an animation that is neither stopped nor late.
void WheelAnimation::skip()
{
    for (int frame = LampStepEvery; frame <= FrameCount; frame += LampStepEvery)
        lampStep(false);
}

// Every wheel still turning or bouncing runs through the stop and the bounce together, one
// stage per 20 ms; the stops do not change.
Script WheelAnimation::quickFinish()
{
    for (int phase = StopPhase; phase <= FinishedPhase; ++phase) {
        for (int wheel = 0; wheel < WheelCount; ++wheel) {
            if (phaseOf(wheel, m_lastFrame) < FinishedPhase)
                show(wheel, settlingLook(phase));
        }
        co_await m_context.pause(timings::QuickFinishStage);
    }
}

// Inline, so that the frames a silent host skips keep only the draws, without the branches.
inline void WheelAnimation::lampStep(bool draw)
{
    GameState& state = m_context.state;
    state.lamps[state.bonusLamp] = false;
    if (draw)
        m_context.changed(Piece::Lamp, state.bonusLamp);
    state.bonusLamp = static_cast<std::int32_t>(m_context.random.random(LampCount));
    state.lamps[state.bonusLamp] = true;
    if (draw)
        m_context.changed(Piece::Lamp, state.bonusLamp);
}

// A wheel clicks as it stops.
void WheelAnimation::show(int wheel, WheelLook look)
{
    if (look.kind == WheelLook::Kind::Stopped)
        m_context.startCue(SoundCue::Click);
    m_context.view.wheels[static_cast<std::size_t>(wheel)] = look;
    m_context.changed(Piece::Wheel, wheel);
}

} // namespace zantaro
