// SPDX-License-Identifier: GPL-3.0-or-later
// The history window: the ten newest spins newest first, as a screen reader reads them too, its
// help topic, and the statistics window's button that opens it.
#include "ui/dialogs/statistics_window.h"
#include "ui/history/credit_chart.h"
#include "ui/history/history_window.h"
#include "ui/history/recall_view.h"

#include <QAccessible>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zantaro {
namespace {

GameHistory twelveSpins()
{
    GameHistory history;
    for (std::int32_t spin = 1; spin <= 12; ++spin)
        history.record({.linesPlayed = 8, .coinsPerLine = 1, .bet = 8, .creditsAfter = 1000 + spin});
    return history;
}

TEST(HistoryWindow, showsTheTenNewestSpinsNewestFirst)
{
    HistoryWindow window(twelveSpins(), QImage(), [](int) {});
    const QList<RecallView*> views = window.findChildren<RecallView*>();
    ASSERT_EQ(views.size(), 10);
    EXPECT_EQ(views.front()->lines().back(), QStringLiteral("Won 0, credits after 1012."));
    EXPECT_EQ(views.back()->lines().back(), QStringLiteral("Won 0, credits after 1003."));
}

TEST(HistoryWindow, aScreenReaderReadsEachRecallAndTheChartAsText)
{
    HistoryWindow window(twelveSpins(), QImage(), [](int) {});
    RecallView* newest = window.findChildren<RecallView*>().front();
    QAccessibleInterface* recall = QAccessible::queryAccessibleInterface(newest);
    EXPECT_TRUE(recall->text(QAccessible::Name).startsWith(QStringLiteral("1.  ")));
    EXPECT_TRUE(
        recall->text(QAccessible::Description).endsWith(QStringLiteral("Won 0, credits after 1012.")));
    EXPECT_TRUE(recall->state().focusable);
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(window.findChild<CreditChart*>());
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("Your game so far"));
    EXPECT_EQ(
        chart->text(QAccessible::Description),
        QStringLiteral("Spins shown: 12. Credits after the first: 1001, after the last: 1012; lowest 1001, "
                       "highest 1012. Bell Pool wins: 0. Free spins: 0."));
}

TEST(HistoryWindow, F1AndHelpOpenItsTopicOfTheManual)
{
    std::vector<int> topics;
    HistoryWindow window(twelveSpins(), QImage(), [&](int topic) { topics.push_back(topic); });
    QTest::keyClick(&window, Qt::Key_F1);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Help"))
            button->click();
    EXPECT_EQ(topics, (std::vector<int>{HelpTopic::History, HelpTopic::History}));
}

TEST(HistoryWindow, theStatisticsWindowsHistoryButtonOpensIt)
{
    int opened = 0;
    StatisticsWindow window(startupGameState(), nullptr, [&] { ++opened; });
    auto* button = window.findChild<QPushButton*>(QStringLiteral("HistoryButton"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_EQ(opened, 1);
}

} // namespace
} // namespace zantaro
