// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: the derived figures and their formats over the game's edge cases, and the
// figure labels that grow to the left of a fixed right edge.
#include "game/number_formats.h"
#include "support/named_cases.h"
#include "ui/dialogs/statistics_window.h"

#include <QLabel>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace zantaro::testing {
namespace {

QString figure(const StatisticsWindow& window, const char* label)
{
    const auto* found = window.findChild<QLabel*>(QLatin1String(label));
    return found ? found->text() : QStringLiteral("<no %1>").arg(QLatin1String(label));
}

// A fresh game with the given changes.
GameState gameWith(const std::function<void(GameState&)>& change)
{
    GameState state;
    change(state);
    return state;
}

struct StatisticsCase : NamedCase
{
    std::function<void(GameState&)> game;
    std::map<const char*, QString> figures; // by label name
};

class StatisticsFiguresShown : public ::testing::TestWithParam<StatisticsCase>
{
};

TEST_P(StatisticsFiguresShown, matchTheGame)
{
    const StatisticsWindow window(gameWith(GetParam().game));
    for (const auto& [label, text] : GetParam().figures)
        EXPECT_EQ(figure(window, label), text) << label;
}

constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Smallest = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    StatisticsWindow, StatisticsFiguresShown,
    ::testing::Values(
        StatisticsCase{{"freshGameHasNoPayoffsAndNoPercentage"},
                       [](GameState&) {},
                       {{"Label12", "     1,000"},
                        {"Label13", "     1,000"},
                        {"Label14", "         0"},
                        {"Label22", "         0"},
                        {"Label27", "         0"},
                        {"Label25", "0.00%"}}},
        StatisticsCase{{"bets500With900CreditsPaid80Percent"},
                       [](GameState& g) {
                           g.credits = 900;
                           g.totalBets = 500;
                       },
                       {{"Label27", "       500"},
                        {"Label14", "       400"},
                        {"Label22", "       400"},
                        {"Label25", "80.00%"}}},
        StatisticsCase{{"doubleOrNothingMoneyIsLeftOutOfNormalPayoffsAndPercentage"},
                       [](GameState& g) {
                           g.credits = 1100;
                           g.totalBets = 500;
                           g.doubleOrNothingWon = 200;
                       },
                       {{"Label14", "       600"},
                        {"Label22", "       400"},
                        {"Label18", "       200"},
                        {"Label25", "80.00%"}}},
        StatisticsCase{{"bonusMoneyIsSplitOutOfNormalPayoffs"},
                       [](GameState& g) {
                           g.credits = 1600;
                           g.totalBets = 500;
                           g.barRollWon = 50;
                           g.bellPoolWon = 150;
                           g.cherryRollsWon = 25;
                       },
                       {{"Label14", "     1,100"},
                        {"Label22", "       875"},
                        {"Label16", "        50"},
                        {"Label17", "       150"},
                        {"Label25", "220.00%"}}},
        StatisticsCase{{"millionsOfSpinsShowTheirSeparators"},
                       [](GameState& g) {
                           g.spins = 1234567;
                           g.numberOfBarRolls = 3;
                           g.numberOfCherryRolls = 2;
                       },
                       {{"Label37", " 1,234,567"}, {"Label39", "         3"}, {"Label11", " 1,234,572"}}},
        StatisticsCase{{"losingMoreThanWasPaidGivesNegativePayoffs"},
                       [](GameState& g) {
                           g.credits = 100;
                           g.totalBets = 500;
                       },
                       {{"Label14", "      -400"}, {"Label22", "      -400"}, {"Label25", "-80.00%"}}},
        StatisticsCase{{"doubleOrNothingLossesAreAddedBackToNormalPayoffs"},
                       [](GameState& g) {
                           g.credits = 700;
                           g.totalBets = 500;
                           g.doubleOrNothingWon = -300;
                       },
                       {{"Label14", "       200"},
                        {"Label22", "       500"},
                        {"Label18", "      -300"},
                        {"Label25", "100.00%"}}},
        StatisticsCase{{"doubleOrNothingWinningsAboveThePayoffsShowAMinus"},
                       [](GameState& g) {
                           g.credits = 700;
                           g.totalBets = 500;
                           g.doubleOrNothingWon = 1300;
                       },
                       {{"Label14", "       200"}, {"Label22", "    -1,100"}, {"Label25", "-220.00%"}}},
        StatisticsCase{{"extremeCountsDoNotWrap"},
                       [](GameState& g) {
                           g.credits = Largest;
                           g.borrowed = Smallest;
                           g.totalBets = Largest;
                           g.spins = Largest;
                           g.numberOfBarRolls = Largest;
                           g.numberOfCherryRolls = Largest;
                       },
                       {{"Label14", "6,442,450,942"},
                        {"Label22", "6,442,450,942"},
                        {"Label11", "6,442,450,941"},
                        {"Label13", "-2,147,483,648"},
                        {"Label25", "300.00%"}}}),
    caseName);

TEST(StatisticsWindow, figuresKeepTheirRightEdgesWhateverTheirWidth)
{
    const StatisticsWindow narrow(GameState{});
    const StatisticsWindow wide(gameWith([](GameState& g) {
        g.credits = Largest;
        g.borrowed = Smallest;
        g.totalBets = Largest;
    }));

    const std::map<const char*, QPoint> rightTops{
        {"Label11", {281, 14}},  {"Label37", {257, 38}},  {"Label39", {257, 62}},  {"Label12", {281, 110}},
        {"Label13", {281, 142}}, {"Label27", {609, 14}},  {"Label14", {609, 46}},  {"Label22", {585, 70}},
        {"Label16", {585, 94}},  {"Label17", {585, 118}}, {"Label18", {585, 142}}, {"Label25", {273, 190}}};
    for (const StatisticsWindow* window : {&narrow, &wide})
        for (const auto& [name, rightTop] : rightTops) {
            const QRect at = window->findChild<QLabel*>(QLatin1String(name))->geometry();
            EXPECT_EQ(QPoint(at.x() + at.width(), at.y()), rightTop) << name;
        }
    EXPECT_GT(wide.findChild<QLabel*>("Label14")->width(), narrow.findChild<QLabel*>("Label14")->width());
}

TEST(StatisticsWindow, hasItsCaptionSizeNoteAndOkButton)
{
    const StatisticsWindow window(GameState{});

    EXPECT_EQ(window.windowTitle(), "Your Game Statistics");
    EXPECT_EQ(window.size(), QSize(632, 235));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    QStringList captions;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->objectName().isEmpty())
            captions << label->text();
    EXPECT_EQ(captions, (QStringList{"Spins:", "Regular Spins:", "Free Spins:", "Credits:", "Borrowed:",
                                     "Total Bets:", "Payoffs:", "Normal:", "Free Spins:", "Bonus Pool:",
                                     "Double or Nothing:", "Overall Payoff Percentage:",
                                     "(Does not include money won/lost on the double-or-nothing game)."}));
    const auto* percentage = window.findChild<QLabel*>("Label25");
    EXPECT_TRUE(percentage->font().bold());
    EXPECT_EQ(percentage->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(window.findChild<QPushButton*>("BitBtn1")->geometry(), QRect(528, 192, 89, 33));
}

struct FormatCase : NamedCase
{
    std::string text;
    std::string expected;
};

class NumberFormat : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(NumberFormat, givesItsText)
{
    EXPECT_EQ(GetParam().text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SideWindows, NumberFormat,
    ::testing::Values(FormatCase{{"zeroGroupedIsPaddedTo10"}, groupedNumber(0, 10), "         0"},
                      FormatCase{{"threeDigitsHaveNoSeparator"}, groupedNumber(999, 10), "       999"},
                      FormatCase{{"thousandsAreSeparated"}, groupedNumber(1000, 10), "     1,000"},
                      FormatCase{{"millionsFillAllButOneColumn"}, groupedNumber(1234567, 10), " 1,234,567"},
                      FormatCase{{"negativesLeadWithAMinus"}, groupedNumber(-1234, 10), "    -1,234"},
                      FormatCase{{"theMostNegativeNumberGroups"},
                                 groupedNumber(std::numeric_limits<std::int64_t>::min(), 0),
                                 "-9,223,372,036,854,775,808"},
                      FormatCase{{"wideNumbersAreNotCut"}, groupedNumber(6442450942, 10), "6,442,450,942"},
                      FormatCase{{"percentOfZeroIsFourWide"}, fixedPoint(0, 4, 2), "0.00"},
                      FormatCase{{"percentKeepsTwoDecimals"}, fixedPoint(80, 4, 2), "80.00"},
                      FormatCase{{"percentRounds"}, fixedPoint(2.0 / 3.0 * 100, 4, 2), "66.67"},
                      FormatCase{{"amount1IsPaddedTo7"}, fixedPoint(1, 7, 2), "   1.00"},
                      FormatCase{{"amount100HasOneSpace"}, fixedPoint(100, 7, 2), " 100.00"},
                      FormatCase{{"amount1000FillsTheField"}, fixedPoint(1000, 7, 2), "1000.00"}),
    caseName);

} // namespace
} // namespace zantaro::testing
