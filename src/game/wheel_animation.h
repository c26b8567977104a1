// SPDX-License-Identifier: GPL-3.0-or-later
// WheelAnimation: shows a drawn spin - 25 ms frames of motion, each wheel's stop and bounce, the
// wandering bonus lamp, and the quick finish after a stop request. Each wheel's look is a function
// of the frame; the animation puts it in the spin's view and tells the presenter.
#pragma once

#include "game_context.h"

#include <array>

namespace zantaro {

class WheelAnimation
{
public:
    explicit WheelAnimation(GameContext& context) : m_context(context) {}

    // Runs the frames until every wheel has stopped; the stops are already drawn, and only the
    // bonus lamp is drawn anew while the wheels turn. The wheels rest when it ends.
    Script run(std::array<int, WheelCount> motionOffsets);
    // The same when nobody watches the wheels (Presenter::showsAnimation is false): only the lamp
    // draws of the frames are kept.
    void skip();

    static constexpr int FrameCount = 101;

private:
    // How the wheel shows at a frame, from the motion strip's row it started at.
    static WheelLook lookAt(int wheel, int frame, int startOffset);
    Script runFrames();
    Script quickFinish();
    void lampStep(bool draw);
    void show(int wheel, WheelLook look);

    GameContext& m_context;
    std::array<int, WheelCount> m_startOffsets{};
    int m_lastFrame = 0;
};

} // namespace zantaro
