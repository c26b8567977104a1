// SPDX-License-Identifier: GPL-3.0-or-later
// The history of the running game as JSON text, through Qt's JSON classes: written whole, and read
// back only when every value in it is one the game could have recorded.
#pragma once

#include "game/game_history.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace zantaro {

QByteArray historyToJson(const GameHistory& history);

// Nothing, with the reason in `problem`, when the text is not a history this game wrote.
std::optional<GameHistory> historyFromJson(const QByteArray& json, QString& problem);

} // namespace zantaro
