// SPDX-License-Identifier: GPL-3.0-or-later
// QtRecordingHost: the recording fake host for tests of real windows. Its waits move the fake
// clock at once and let Qt handle what is pending, as the main window's nested loop would, so a
// pause of the game passes without the wall clock.
#pragma once

#include "support/recording_host.h"

#include <functional>

class QWidget;

namespace zantaro::testing {

class QtRecordingHost : public RecordingHost
{
public:
    void waitUntil(std::chrono::milliseconds deadline) override;
};

// Calls `act` with the next modal window once it is open (a message box, or a game window opened
// with exec()), from the event loop that window runs.
void whenModalOpens(std::function<void(QWidget*)> act);

} // namespace zantaro::testing
