// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads on the side windows' controls that show no words of their own or the
// same word eight times: the borrow amounts, the game slots' fields and buttons, the statistics
// figures tied to their captions, and the payoff chart's text.
#include "recording_slot_store.h"
#include "support/named_cases.h"
#include "ui/dialogs/borrow_dialog.h"
#include "ui/dialogs/payoff_chart_window.h"
#include "ui/dialogs/statistics_window.h"

#include <QAccessible>
#include <QImage>
#include <QRadioButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace zantaro::testing {
namespace {

// What the windows work on: a fresh game, its saved-game file and a directory for the chart.
struct SideWindowWorld
{
    GameState state;
    RecordingSlotStore store{state};
    QTemporaryDir directory;
};

enum class Reading
{
    Name,
    Description,
    LabelledBy // the name of the control's label
};

struct AccessibleTextCase : NamedCase
{
    std::function<std::unique_ptr<QDialog>(SideWindowWorld&)> open;
    const char* control;
    Reading reading;
    const char* expected;
};

std::unique_ptr<QDialog> borrowDialog(SideWindowWorld& world, bool payBack = false)
{
    auto dialog = std::make_unique<BorrowDialog>(
        world.state, [](BorrowMode, std::int32_t) { return std::optional<Message>(); },
        [](QPainter&, std::int64_t, int, int, bool, bool, bool) {}, [](int) {});
    dialog->findChild<QRadioButton*>("RadioButton2")->setChecked(payBack);
    return dialog;
}

std::unique_ptr<QDialog> slotDialog(SideWindowWorld& world, bool saveMode)
{
    return std::make_unique<GameSlotDialog>(saveMode, world.store.saveLoadGame(), world.store.readSlot(),
                                            [](int) {});
}

std::unique_ptr<QDialog> payoffChart(SideWindowWorld& world)
{
    const QString directory = world.directory.path() + QLatin1Char('/');
    QImage chart(64, 48, QImage::Format_RGB32);
    chart.fill(Qt::darkGreen);
    chart.save(directory + QLatin1String(PayoffChartFileName));
    return std::make_unique<PayoffChartWindow>(directory, [](int) {});
}

QString read(QAccessibleInterface& control, Reading reading)
{
    switch (reading) {
    case Reading::Name:
        return control.text(QAccessible::Name);
    case Reading::Description:
        return control.text(QAccessible::Description);
    case Reading::LabelledBy:
        break;
    }
    const auto labels = control.relations(QAccessible::Label);
    return labels.isEmpty() ? QStringLiteral("<no label>") : labels.front().first->text(QAccessible::Name);
}

const char* const PayTable =
    "Pays per coin played on the line:\n"
    "Three Wilds: 250\nThree Sevens: 50\nThree Melons: 20\nThree Bells: 18\n"
    "Three Apples: 14\nThree Grapes: 12\nThree Cherries: 10\n"
    "Cherry, Cherry, any symbol: 3\nCherry, any symbol, any symbol: 1\n"
    "On free spins:\n"
    "Three Wilds: 100\nThree Triple Bars: 50\nThree Double Bars: 30\nThree Sevens: 20\n"
    "Any mix of Bars and Sevens: 10\n"
    "A Wild stands for any symbol.";

class SideWindowAccessibleText : public ::testing::TestWithParam<AccessibleTextCase>
{
};

TEST_P(SideWindowAccessibleText, readsAsThePlayerNeedsIt)
{
    const AccessibleTextCase& c = GetParam();
    SideWindowWorld world;
    const std::unique_ptr<QDialog> window = c.open(world);
    QWidget* control = window->findChild<QWidget*>(QLatin1String(c.control));
    ASSERT_NE(control, nullptr) << c.control;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(read(*accessible, c.reading).toStdString(), c.expected);
}

const auto borrowMode = [](SideWindowWorld& world) { return borrowDialog(world); };
const auto payBackMode = [](SideWindowWorld& world) { return borrowDialog(world, true); };
const auto saveMode = [](SideWindowWorld& world) { return slotDialog(world, true); };
const auto openMode = [](SideWindowWorld& world) { return slotDialog(world, false); };
const auto statistics = [](SideWindowWorld& world) -> std::unique_ptr<QDialog> {
    return std::make_unique<StatisticsWindow>(world.state);
};

INSTANTIATE_TEST_SUITE_P(
    Cases, SideWindowAccessibleText,
    ::testing::Values(
        AccessibleTextCase{{"theThousandButtonBorrows1000Credits"},
                           borrowMode,
                           "BitBtn1",
                           Reading::Name,
                           "Borrow 1000 credits"},
        AccessibleTextCase{
            {"theOneButtonBorrowsOneCredit"}, borrowMode, "BitBtn4", Reading::Name, "Borrow 1 credit"},
        AccessibleTextCase{{"inPayBackModeTheHundredButtonPaysBack100"},
                           payBackMode,
                           "BitBtn2",
                           Reading::Name,
                           "Pay back 100 credits"},
        AccessibleTextCase{
            {"theNameFieldOfPanel3IsSlot3Name"}, saveMode, "Name3", Reading::Name, "Slot 3 name"},
        AccessibleTextCase{
            {"inSaveModeTheOkOfPanel3SavesToSlot3"}, saveMode, "BitBtn2", Reading::Name, "Save to slot 3"},
        AccessibleTextCase{
            {"inOpenModeTheOkOfPanel1OpensSlot1"}, openMode, "OKBtn", Reading::Name, "Open slot 1"},
        AccessibleTextCase{{"aSlotsOkTellsWhatTheSlotHolds"},
                           openMode,
                           "OKBtn",
                           Reading::Description,
                           "GameNo1, 03/09/24, 1000 Credits, 1000 Borrowed"},
        AccessibleTextCase{
            {"theSpinsFigureIsLabelledByItsCaption"}, statistics, "Label11", Reading::LabelledBy, "Spins:"},
        AccessibleTextCase{{"thePercentageIsLabelledByItsCaption"},
                           statistics,
                           "Label25",
                           Reading::LabelledBy,
                           "Overall Payoff Percentage:"},
        AccessibleTextCase{{"theChartPictureIsNamed"}, payoffChart, "Image1", Reading::Name, "Payoff chart"},
        AccessibleTextCase{{"theChartsTextIsThePayTableTheGamePaysBy"},
                           payoffChart,
                           "Image1",
                           Reading::Description,
                           PayTable}),
    caseName);

} // namespace
} // namespace zantaro::testing
