// SPDX-License-Identifier: GPL-3.0-or-later
// The card table's window, offscreen: layout, turning cards with the mouse, the cards' pixels,
// the pause after a losing card, the buttons and the ways the window closes - a close during the
// pause ends the turn at once - also when it is opened window-modally as the main window opens it.
#include "game_on_host.h"
#include "manual_hold_timer.h"
#include "resources/built_in_pictures.h"
#include "support/recording_host.h"
#include "ui/accessibility/announcer.h"
#include "ui/card_game/card_game_window.h"
#include "window_lookup.h"

#include <QPainter>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace zantaro::testing {
namespace {

constexpr std::int64_t QueenOfHeartsClock = 1000; // the Queen of hearts (card 24) in slot 1
constexpr std::int64_t FortyHandClock = 1001;     // the Ace of clubs in slot 0, a 4 in slot 4
const QRgb Maroon = qRgb(128, 0, 0);

struct CardGameWindowTest : ::testing::Test, GameOnHost<RecordingHost>
{
    std::vector<int> helpTopics;
    ManualHolds holds;
    std::unique_ptr<CardGameWindow> window;
    CardPainter painter;

    void open(std::int64_t clock, std::int32_t winnings)
    {
        host.clockValue = clock;
        state.winnings = winnings;
        window = std::make_unique<CardGameWindow>(
            context, [this](int topic) { helpTopics.push_back(topic); }, nullptr, std::move(holds.owned));
        window->show();
    }

    void releaseAt(int x, int y) { QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(x, y)); }

    void turn(int slot)
    {
        const TablePoint at = cardPosition(slot);
        releaseAt(at.x + 30, at.y + 40);
    }

    QString winningsText() const { return labelStartingWith(window.get(), "Winnings: ")->text(); }

    // The card of a slot as the window shows it now.
    QImage shownCard(int slot) const
    {
        const TablePoint at = cardPosition(slot);
        return window->grab()
            .toImage()
            .convertToFormat(QImage::Format_RGB32)
            .copy(at.x, at.y, CardWidth, CardHeight);
    }

    // A card laid on a bare piece of the table, as the window should show it.
    QImage cardOnTable(int slot, bool faceUp) const
    {
        QImage table(CardWidth, CardHeight, QImage::Format_RGB32);
        table.fill(Maroon);
        QPainter tablePainter(&table);
        const CardSlot& card = window->table().slot(slot);
        if (!faceUp)
            painter.drawCardBack(tablePainter, 0, 0);
        else if (card.cardNumber == JokerCard)
            painter.drawJoker(tablePainter, 0, 0);
        else
            painter.drawCardFace(tablePainter, card.cardNumber, 0, 0);
        return table;
    }
};

TEST_F(CardGameWindowTest, opensWithItsCaptionLabelsAndButtonsWhereThePlayerExpectsThem)
{
    open(FortyHandClock, 40);
    EXPECT_EQ(window->windowTitle(), "Double or Nothing Card Game");
    EXPECT_EQ(window->size(), QSize(632, 413));
    EXPECT_EQ(winningsText(), "Winnings: 40");
    QLabel* rules = labelStartingWith(window.get(), "A Joker");
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(rules->text(),
              "A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; "
              "a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings.");
    EXPECT_EQ(rules->geometry(), QRect(12, 328, 605, 33));
    EXPECT_TRUE(rules->wordWrap());

    QPushButton* ok = buttonLabelled(window.get(), "&OK");
    QPushButton* pyramid = buttonLabelled(window.get(), "&Pyramid");
    QPushButton* help = buttonLabelled(window.get(), "&Help");
    ASSERT_TRUE(ok && pyramid && help);
    EXPECT_EQ(ok->geometry(), QRect(524, 366, 96, 42));
    EXPECT_EQ(pyramid->geometry(), QRect(418, 366, 96, 42));
    EXPECT_EQ(help->geometry(), QRect(312, 366, 96, 42));
    EXPECT_TRUE(pyramid->isDefault());
    EXPECT_FALSE(pyramid->icon().isNull());
    EXPECT_EQ(window->nextInFocusChain(), ok);
}

TEST_F(CardGameWindowTest, aFreshTableShowsTwentyFourBacksOnMaroon)
{
    open(FortyHandClock, 40);
    for (int slot = 0; slot < TableSlots; ++slot)
        EXPECT_EQ(shownCard(slot), cardOnTable(slot, false)) << "slot " << slot;
    EXPECT_EQ(window->grab().toImage().pixel(4, 4), Maroon);
}

TEST_F(CardGameWindowTest, aReleaseAtX81TurnsTheFirstCardAndAtX82TurnsNothing)
{
    open(FortyHandClock, 40);
    releaseAt(82, 50);
    EXPECT_FALSE(window->table().slot(0).faceUp);
    EXPECT_EQ(state.winnings, 40);
    releaseAt(81, 50);
    EXPECT_TRUE(window->table().slot(0).faceUp);
    EXPECT_EQ(state.winnings, 120); // the Ace of clubs
    EXPECT_EQ(winningsText(), "Winnings: 120");
}

TEST_F(CardGameWindowTest, theAceOfClubsShowsItsPipAndCornersOverTheTable)
{
    open(FortyHandClock, 40);
    ASSERT_EQ(window->table().slot(0).cardNumber, 0);
    turn(0);
    const QImage card = shownCard(0);
    EXPECT_EQ(card, cardOnTable(0, true));

    // Outside the rounded corners the table shows; inside the card is white.
    for (const QPoint corner : {QPoint(0, 0), QPoint(72, 0), QPoint(0, 97), QPoint(72, 97)})
        EXPECT_EQ(card.pixel(corner), Maroon) << corner.x() << "," << corner.y();
    EXPECT_EQ(card.pixel(36, 30), qRgb(255, 255, 255));
    EXPECT_EQ(card.pixel(20, 70), qRgb(255, 255, 255));

    // The large club in the middle, (28, 42) to (43, 57), and the rank sign A in the corner.
    const QImage suits = builtInPicture("card_game/Suits.png").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(card.pixel(35, 46), suits.pixel(7, 4));
    EXPECT_LT(qGray(card.pixel(35, 46)), 64);
    EXPECT_EQ(card.copy(28, 42, 15, 15), suits.copy(0, 0, 15, 15));
    const QImage black = builtInPicture("card_game/Black.png").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(card.copy(3, 3, 9, 13), black.copy(0, 0, 9, 13));
}

TEST_F(CardGameWindowTest, theQueenOfHeartsFaceUsesTheRedQueenFigureRankSignAndSmallHeart)
{
    const QImage face = painter.cardFace(24);
    const auto sheet = [](const char* name) {
        return builtInPicture(QString("card_game/") + name).convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(face.size(), QSize(74, 99));
    EXPECT_EQ(face.copy(3, 3, 9, 13), sheet("Red.png").copy(99, 0, 9, 13));
    EXPECT_EQ(face.copy(2, 18, 11, 11), sheet("SuitSm.png").copy(11, 0, 11, 11));
    EXPECT_EQ(face.copy(60, 70, 11, 11), sheet("SuitSm.png").copy(11, 11, 11, 11));
    EXPECT_EQ(face.copy(43, 15, 15, 15), sheet("Suits.png").copy(15, 0, 15, 15));
    EXPECT_EQ(face.copy(15, 70, 15, 15), sheet("Suits.png").copy(15, 15, 15, 15));
    // The figure, where no suit mark covers it: its middle band.
    EXPECT_EQ(face.copy(13, 30, 47, 40), sheet("Royal.png").copy(47, 74 + 17, 47, 40));
}

TEST_F(CardGameWindowTest, turningTheQueenOfHeartsDoublesTheWinnings)
{
    open(QueenOfHeartsClock, 40);
    ASSERT_EQ(window->table().slot(1).cardNumber, 24);
    turn(1);
    EXPECT_EQ(state.winnings, 80);
    EXPECT_EQ(shownCard(1), cardOnTable(1, true));
    EXPECT_EQ(host.linesStartingWith("cue"), std::vector<std::string>{"cue Paid"});
}

TEST_F(CardGameWindowTest, aLosingCardShowsEveryCardOnlyAfterTheSecondsPause)
{
    open(FortyHandClock, 40);
    turn(4);
    EXPECT_EQ(holds.timer->started, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1000)});
    for (int slot : {0, 9, 23})
        EXPECT_EQ(shownCard(slot), cardOnTable(slot, false)) << "slot " << slot;
    EXPECT_EQ(winningsText(), "Winnings: 40");
    holds.timer->elapse();
    EXPECT_EQ(winningsText(), "Winnings: 0");
    for (int slot = 0; slot < TableSlots; ++slot)
        EXPECT_EQ(shownCard(slot), cardOnTable(slot, true)) << "slot " << slot;
}

TEST_F(CardGameWindowTest, aCardPlayedWhileACueHoldsTheGameTurnsNothing)
{
    host.synchronousCueLength = std::chrono::milliseconds(800);
    open(FortyHandClock, 40);
    turn(0); // Ace: the Paid cue holds the game
    turn(1);
    EXPECT_FALSE(window->table().slot(1).faceUp);
    EXPECT_EQ(holds.timer->started, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(800)});
    holds.timer->elapse();
    EXPECT_EQ(winningsText(), "Winnings: 120");
    turn(1);
    EXPECT_TRUE(window->table().slot(1).faceUp);
}

TEST_F(CardGameWindowTest, okDuringTheLossPauseEndsTheTurnAtOnceAndCloses)
{
    state.doubleOrNothingWon = 0;
    open(FortyHandClock, 40);
    turn(4);
    buttonLabelled(window.get(), "&OK")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(state.playAgain);
    EXPECT_EQ(state.doubleOrNothingWon, -40);
    EXPECT_TRUE(window->table().slot(0).faceUp);
    EXPECT_EQ(shownCard(0), cardOnTable(0, true));
    EXPECT_EQ(winningsText(), "Winnings: 0");

    // The close stopped the pause's timer: its time passing tells nothing again.
    const QPointer<AnnouncementNote> told = window->findChild<AnnouncementNote*>();
    ASSERT_FALSE(told.isNull());
    EXPECT_EQ(told->accessibleName(),
              "Four of diamonds loses all your winnings. Winnings: 0. The hand is over.");
    holds.timer->elapse();
    EXPECT_FALSE(told.isNull());
}

TEST_F(CardGameWindowTest, openedWindowModallyTheCloseBoxDuringThePauseClosesAtOnceAndFinishesOnce)
{
    QWidget owner;
    owner.show();
    host.clockValue = FortyHandClock;
    state.winnings = 40;
    QPointer<CardGameWindow> opened = new CardGameWindow(
        context, [](int) {}, &owner, std::move(holds.owned));
    opened->setAttribute(Qt::WA_DeleteOnClose);
    std::vector<int> results;
    QObject::connect(opened, &QDialog::finished, [&](int result) { results.push_back(result); });
    opened->open();
    EXPECT_EQ(opened->windowModality(), Qt::WindowModal);

    const TablePoint at = cardPosition(4);
    QTest::mouseRelease(opened, Qt::LeftButton, {}, QPoint(at.x + 30, at.y + 40));
    EXPECT_TRUE(opened->close());
    EXPECT_EQ(results, std::vector<int>{QDialog::Rejected});
    EXPECT_TRUE(opened->table().slot(0).faceUp);
    EXPECT_EQ(state.doubleOrNothingWon, -40);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opened.isNull());
}

TEST_F(CardGameWindowTest, okKeepsTheWinningsAndCountsTheirGain)
{
    open(FortyHandClock, 100);
    turn(0);
    state.playAgain = true;
    buttonLabelled(window.get(), "&OK")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(state.playAgain);
    EXPECT_EQ(state.winnings, 300);
    EXPECT_EQ(state.doubleOrNothingWon, 200);
}

TEST_F(CardGameWindowTest, pyramidWithWinningsHandsThemToThePyramid)
{
    state.bonusGame = false;
    open(FortyHandClock, 40);
    buttonLabelled(window.get(), "&Pyramid")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(state.bonusGame);
    EXPECT_TRUE(state.playAgain);
}

TEST_F(CardGameWindowTest, theCloseBoxKeepsTheWinningsWithoutAReplayAndCountsOnce)
{
    open(FortyHandClock, 40);
    turn(0);
    EXPECT_TRUE(window->close());
    window->close();
    EXPECT_FALSE(state.playAgain);
    EXPECT_EQ(state.doubleOrNothingWon, 80);
}

TEST_F(CardGameWindowTest, helpButtonAndF1OpenTheCardGameTopic)
{
    open(FortyHandClock, 40);
    buttonLabelled(window.get(), "&Help")->click();
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(helpTopics, (std::vector<int>{41006, 41006}));
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace zantaro::testing
