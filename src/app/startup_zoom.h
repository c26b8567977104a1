// SPDX-License-Identifier: GPL-3.0-or-later
// StartupZoom: reads --zoom and --help before Qt starts, and sets the scale factor Qt then draws
// every window, dialog and message box with: the player's --zoom, or the zoom that makes the
// machine fill the primary screen's available area.
#pragma once

#include <optional>

namespace zantaro {

// The exit code when the program should end at once (help shown, a bad option); otherwise
// nothing, with QT_SCALE_FACTOR set for the application about to be created. Needs no running
// application and must come before one is created.
std::optional<int> prepareZoom(int& argc, char** argv);

} // namespace zantaro
