// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's own files and the player's settings files live.
#pragma once

#include <QString>

namespace zantaro {

// The directory of the program file, with a trailing separator: artwork, sounds and the manual
// lie beside the executable.
QString programDirectory();

// The directory of the settings files "Zantaro.ini" and "qxupdate.ini": $XDG_CONFIG_HOME/zantaro,
// by default ~/.config/zantaro. It is created when writing needs it.
QString settingsDirectory();

} // namespace zantaro
