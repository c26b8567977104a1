// SPDX-License-Identifier: GPL-3.0-or-later
// PayoffChartWindow: shows the payoff chart picture "Paychart.bmp" from the program directory in a
// window that fits it exactly.
#pragma once

#include "ui/dialogs/help_key_dialog.h"

#include <QCoreApplication>
#include <functional>

namespace zantaro {

inline constexpr int PayoffChartHelpTopic = 41010;
inline constexpr const char* PayoffChartFileName = "Paychart.bmp";
inline constexpr const char* MissingPayoffChartMessage =
    QT_TRANSLATE_NOOP("PayoffChartWindow", "The payoff chart picture Paychart.bmp is missing or damaged.");

class PayoffChartWindow : public HelpKeyDialog
{
    Q_DECLARE_TR_FUNCTIONS(PayoffChartWindow)

public:
    // Reads the picture; when it cannot, the window keeps its design size and loaded() is false.
    PayoffChartWindow(const QString& programDirectory, std::function<void(int helpTopic)> showHelpTopic,
                      QWidget* parent = nullptr);

    bool loaded() const { return m_loaded; }

    // Opens the chart over the parent without waiting for it (it deletes itself when closed), or
    // tells the player that the picture is missing or damaged.
    static void open(const QString& programDirectory, std::function<void(int helpTopic)> showHelpTopic,
                     QWidget* parent);

protected:
    int helpTopic() const override { return PayoffChartHelpTopic; }

private:
    bool m_loaded = false;
};

} // namespace zantaro
