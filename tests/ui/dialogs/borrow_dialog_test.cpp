// SPDX-License-Identifier: GPL-3.0-or-later
// The borrow dialog: borrowing and paying back by the four amounts, its refusals and their texts,
// the counts it paints with the machine's digits, its help.
#include "modal_answers.h"
#include "support/named_cases.h"
#include "ui/dialogs/borrow_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>

namespace zantaro::testing {
namespace {

struct PaintedNumber
{
    std::int64_t value;
    int x, y;
    bool yellow, rightAligned, tight;

    bool operator==(const PaintedNumber&) const = default;
};

constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
const QString OverflowRefusal =
    QStringLiteral("You cannot borrow that much: the game cannot hold more than 2,147,483,647 credits.");
const QString BorrowedTooLittle = QStringLiteral("You cannot pay back more credits than you have borrowed!");

class BorrowDialogTest : public ::testing::Test
{
protected:
    BorrowDialogTest()
    {
        state.credits = 1000;
        state.borrowed = 1000;
    }

    void press(const char* button) { dialog.findChild<QPushButton*>(QLatin1String(button))->click(); }
    void choosePayBack() { dialog.findChild<QRadioButton*>("RadioButton2")->setChecked(true); }

    // Presses the button and returns the text of the message box it shows, or "" when none.
    QString pressAndRead(const char* button)
    {
        QString message;
        const ModalAnswer answer = acknowledgeNextMessage(message);
        press(button);
        return message;
    }

    GameState state;
    std::vector<PaintedNumber> painted;
    std::vector<int> helpTopics;
    BorrowDialog dialog{
        state, [this](BorrowMode mode, std::int32_t amount) { return moveCredits(state, mode, amount); },
        [this](QPainter&, std::int64_t value, int x, int y, bool yellow, bool rightAligned, bool tight) {
            painted.push_back({value, x, y, yellow, rightAligned, tight});
        },
        [this](int topic) { helpTopics.push_back(topic); }};
};

TEST_F(BorrowDialogTest, opensInBorrowModeWithItsCaptionTextsAndFixedSize)
{
    EXPECT_EQ(dialog.windowTitle(), "Use this form to borrow or pay back credits");
    EXPECT_EQ(dialog.size(), QSize(582, 300));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("RadioButton1")->isChecked());
    EXPECT_EQ(dialog.findChild<QRadioButton*>("RadioButton1")->text(), "Borrow Credits");
    EXPECT_EQ(dialog.findChild<QRadioButton*>("RadioButton2")->text(), "Pay Back Credits");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Mode:");
    EXPECT_EQ(dialog.findChild<QPushButton*>("OKBtn")->text(), "&OK");
    EXPECT_TRUE(dialog.findChild<QPushButton*>("OKBtn")->isDefault());
    EXPECT_EQ(dialog.findChild<QPushButton*>("BitBtn7")->text(), "&Help");
    for (const char* amount : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"})
        EXPECT_FALSE(dialog.findChild<QPushButton*>(amount)->icon().isNull()) << amount;
}

TEST_F(BorrowDialogTest, borrowing1000TwiceFromAFreshGameGives3000CreditsAnd3000Borrowed)
{
    press("BitBtn1");
    press("BitBtn1");

    EXPECT_EQ(state.credits, 3000);
    EXPECT_EQ(state.borrowed, 3000);
}

struct AmountCase : NamedCase
{
    const char* button;
    std::int32_t amount;
};

class EachAmountButton : public BorrowDialogTest, public ::testing::WithParamInterface<AmountCase>
{
};

TEST_P(EachAmountButton, borrowsAndPaysBackItsAmount)
{
    press(GetParam().button);
    EXPECT_EQ(state.credits, 1000 + GetParam().amount);
    EXPECT_EQ(state.borrowed, 1000 + GetParam().amount);

    choosePayBack();
    press(GetParam().button);
    press(GetParam().button);
    EXPECT_EQ(state.credits, 1000 - GetParam().amount);
    EXPECT_EQ(state.borrowed, 1000 - GetParam().amount);
}

INSTANTIATE_TEST_SUITE_P(BorrowDialog, EachAmountButton,
                         ::testing::Values(AmountCase{{"button1Moves1000"}, "BitBtn1", 1000},
                                           AmountCase{{"button2Moves100"}, "BitBtn2", 100},
                                           AmountCase{{"button3Moves10"}, "BitBtn3", 10},
                                           AmountCase{{"button4Moves1"}, "BitBtn4", 1}),
                         caseName);

struct RefusalCase : NamedCase
{
    BorrowMode mode;
    std::int32_t credits, borrowed;
    const char* button;
    QString message;
};

class RefusedMove : public BorrowDialogTest, public ::testing::WithParamInterface<RefusalCase>
{
};

TEST_P(RefusedMove, showsItsMessageAndChangesNothing)
{
    state.credits = GetParam().credits;
    state.borrowed = GetParam().borrowed;
    if (GetParam().mode == BorrowMode::PayBack)
        choosePayBack();

    EXPECT_EQ(pressAndRead(GetParam().button), GetParam().message);
    EXPECT_EQ(state.credits, GetParam().credits);
    EXPECT_EQ(state.borrowed, GetParam().borrowed);
}

INSTANTIATE_TEST_SUITE_P(BorrowDialog, RefusedMove,
                         ::testing::Values(RefusalCase{{"payingBack1000With900Credits"},
                                                       BorrowMode::PayBack,
                                                       900,
                                                       5000,
                                                       "BitBtn1",
                                                       "You do not have 1000.00 credits!"},
                                           RefusalCase{{"payingBack100With50CreditsPadsTheAmount"},
                                                       BorrowMode::PayBack,
                                                       50,
                                                       5000,
                                                       "BitBtn2",
                                                       "You do not have  100.00 credits!"},
                                           RefusalCase{{"payingBack100With50Borrowed"},
                                                       BorrowMode::PayBack,
                                                       5000,
                                                       50,
                                                       "BitBtn2",
                                                       BorrowedTooLittle},
                                           RefusalCase{{"payingBack1With0CreditsTestsCreditsFirst"},
                                                       BorrowMode::PayBack,
                                                       0,
                                                       0,
                                                       "BitBtn4",
                                                       "You do not have    1.00 credits!"},
                                           RefusalCase{{"borrowingPastTheLargestCredits"},
                                                       BorrowMode::Borrow,
                                                       Largest - 999,
                                                       1000,
                                                       "BitBtn1",
                                                       OverflowRefusal},
                                           RefusalCase{{"borrowingPastTheLargestBorrowed"},
                                                       BorrowMode::Borrow,
                                                       1000,
                                                       Largest,
                                                       "BitBtn4",
                                                       OverflowRefusal}),
                         caseName);

TEST_F(BorrowDialogTest, borrowingUpToTheLargestAmountIsAllowed)
{
    state.credits = Largest - 1000;

    EXPECT_EQ(pressAndRead("BitBtn1"), "");
    EXPECT_EQ(state.credits, Largest);
    EXPECT_EQ(state.borrowed, 2000);
}

TEST_F(BorrowDialogTest, payingBackAllThatIsBorrowedLeavesNothingMoreToPayBack)
{
    state.credits = 5000;
    choosePayBack();

    press("BitBtn1");
    ASSERT_EQ(state.borrowed, 0);
    ASSERT_EQ(state.credits, 4000);

    EXPECT_EQ(pressAndRead("BitBtn4"), BorrowedTooLittle);
    EXPECT_EQ(state.credits, 4000);
}

TEST_F(BorrowDialogTest, paintsRedCreditsEndingAtTheRightAndYellowBorrowedFromTheLeft)
{
    state.credits = 2500;
    state.borrowed = 1750;

    dialog.grab();

    EXPECT_EQ(painted, (std::vector<PaintedNumber>{{2500, 552, 40, false, true, false},
                                                   {1750, 20, 40, true, false, false}}));
}

TEST_F(BorrowDialogTest, aMoveRepaintsTheCounts)
{
    dialog.show();
    QApplication::processEvents();
    painted.clear();

    press("BitBtn2");
    QApplication::processEvents();

    ASSERT_GE(painted.size(), 2U);
    EXPECT_EQ(painted[0].value, 1100);
    EXPECT_EQ(painted[1].value, 1100);
}

// The caption texts stand on the button face at the top: "Borrowed:" from x 20, "Credits:" ending
// near the right end of the credits.
TEST_F(BorrowDialogTest, captionsArePaintedAboveTheirCounts)
{
    const QImage picture = dialog.grab().toImage();
    const QRgb face = picture.pixel(5, 5);
    int leftmost = picture.width(), rightmost = -1;
    for (int y = 20; y < 36; ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != face) {
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }

    EXPECT_EQ(dialog.palette().color(QPalette::Button).rgb(), face);
    EXPECT_GE(leftmost, 20);
    EXPECT_LE(leftmost, 22);
    EXPECT_LE(rightmost, 582 + 6 - 35);
    EXPECT_GE(rightmost, 582 + 6 - 35 - 3);
}

TEST_F(BorrowDialogTest, helpButtonExplainsTheDialog)
{
    EXPECT_EQ(pressAndRead("BitBtn7"),
              "Use this screen to borrow credits or pay back credits that you borrowed previously.  "
              "Click on the button representing the amount to borrow (or pay back).\r\n\r\n"
              "To switch between \"borrow\" and \"pay back\" select the mode.");
}

TEST_F(BorrowDialogTest, f1OpensTheButtonsTopicOnAControlAndTheWindowsTopicOtherwise)
{
    dialog.show();
    auto* amount = dialog.findChild<QPushButton*>("BitBtn3");
    amount->setFocus();
    QTest::keyClick(amount, Qt::Key_F1);
    auto* payBack = dialog.findChild<QRadioButton*>("RadioButton2");
    payBack->setFocus();
    QTest::keyClick(payBack, Qt::Key_F1);
    payBack->clearFocus();
    QTest::keyClick(&dialog, Qt::Key_F1);

    EXPECT_EQ(helpTopics, (std::vector<int>{41005, 41005, 41003}));
}

} // namespace
} // namespace zantaro::testing
