// SPDX-License-Identifier: GPL-3.0-or-later
// HistoryWindow: the last ten spins of the running game recalled, newest first, under a chart of
// the game so far. F1 opens its topic of the manual.
#pragma once

#include "game/game_history.h"
#include "platform/help.h"
#include "ui/dialogs/help_key_dialog.h"

#include <QCoreApplication>
#include <QImage>
#include <functional>

namespace zantaro {

class HistoryWindow : public HelpKeyDialog
{
    Q_DECLARE_TR_FUNCTIONS(HistoryWindow)

public:
    // The window shows the history as it stands when opened; symbolSheet holds the wheels' symbols
    // four to a row.
    HistoryWindow(const GameHistory& history, const QImage& symbolSheet,
                  std::function<void(int helpTopic)> showHelpTopic, QWidget* parent = nullptr);

protected:
    int helpTopic() const override { return HelpTopic::History; }

private:
    const GameHistory m_history;
};

} // namespace zantaro
