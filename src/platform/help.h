// SPDX-License-Identifier: GPL-3.0-or-later
// The game's manual: the help file "Zantaro.hlp" beside the program, shown at its contents or at
// a numbered topic in the one help window.
#pragma once

#include <QString>

namespace zantaro {

// The manual's numbered topics: each window opens its own with F1 or its help button.
namespace HelpTopic {
inline constexpr int BorrowDialog = 41003;
inline constexpr int MainWindow = 41004;
inline constexpr int BorrowButtons = 41005;
inline constexpr int CardGame = 41006;
inline constexpr int GameSlots = 41008;
inline constexpr int PayChart = 41010;
inline constexpr int History = 41012;
} // namespace HelpTopic

// The help file of this installation: "Zantaro.hlp" in the program's directory.
QString programHelpFile();

// Show the help window at the manual's contents page, or at a topic (an unknown topic shows the
// contents). The window is reused and raised; a help file that is missing or is not a manual is
// reported in a message box instead.
void showHelpContents(const QString& helpFile);
void showHelpTopic(const QString& helpFile, int topic);

// The message of that message box.
QString unreadableHelpFileMessage(const QString& helpFile);

} // namespace zantaro
