// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive clients are told of the game's own controls: a piece button is a push button
// with Press and SetFocus actions and its place in the screen's own pixels; an announcement is a
// notification.
#pragma once

namespace zantaro {

// Registers the interfaces with Qt; the first call does it, later calls do nothing.
void installAccessibleInterfaces();

} // namespace zantaro
