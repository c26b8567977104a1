// SPDX-License-Identifier: GPL-3.0-or-later
// Acting on the next modal window of a test, from the event loop, once it is open.
#pragma once

#include <functional>

class QWidget;

namespace zantaro::testing {

// Calls `act` with the next modal window once it is open (a message box, or a game window opened
// with exec()), from the event loop that window runs.
void whenModalOpens(std::function<void(QWidget*)> act);

} // namespace zantaro::testing
