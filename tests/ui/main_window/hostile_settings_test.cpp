// SPDX-License-Identifier: GPL-3.0-or-later
// The window over hostile settings: a directory that cannot be created, one that does not exist
// yet, and a stored running game full of absurd values.
#include "game/reels.h"
#include "support/named_cases.h"
#include "support/test_game.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <limits>

namespace zantaro::testing {
namespace {

constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();

// Answers every message box with OK for as long as it lives, and keeps their texts in order.
class MessageBoxAnswerer
{
public:
    MessageBoxAnswerer()
    {
        ++pendingMessageBoxAnswers();
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible())
                return;
            texts << box->text();
            box->button(QMessageBox::Ok)->click();
        });
        m_poll.start(1);
    }
    ~MessageBoxAnswerer() { --pendingMessageBoxAnswers(); }
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    QStringList texts;

private:
    QTimer m_poll;
};

// Blank wheels under the lamp without an outcome: the next spin neither wins nor earns anything.
void prepareLosingSpin(MainWindow& window, FakeClock& clock)
{
    GameState losing = window.state();
    for (Strip& strip : losing.reelStrips)
        strip.fill(BlankL);
    window.game().open(losing);
    clock.timeOfDayAtStart = clockValueForFinalLamp(NothingLamp) - clock.tick.count();
}

void spin(MainWindow& window)
{
    QTest::keyClick(&window, Qt::Key_Return);
    waitForMessageBoxAnswers();
}

struct UnwritableSettings
{
    QTemporaryDir root;
    QString directory; // below a regular file, so not even root can create it
    FakeClock clock;
    RecordingSoundPlayer sound;

    UnwritableSettings() : directory(root.filePath(QStringLiteral("blocker/zantaro")))
    {
        QFile blocker(root.filePath(QStringLiteral("blocker")));
        EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    QString unableToWrite(const QString& file) const
    {
        return "Unable to write to " + directory + '/' + file;
    }
};

TEST(HostileSettings, anUncreatableSettingsDirectoryLetsTheGamePlayAndSaysWhereItCannotWrite)
{
    UnwritableSettings settings;
    MessageBoxAnswerer answerer;
    MainWindow window({settings.clock, settings.sound, {}, buildDirectory(), settings.directory});
    EXPECT_TRUE(answerer.texts.isEmpty());
    EXPECT_EQ(window.state().credits, 1000);

    prepareLosingSpin(window, settings.clock);
    spin(window);
    spin(window);
    EXPECT_EQ(window.state().credits, 1000 - 2 * 8);
    EXPECT_EQ(window.state().spins, 2);
    // The store after each spin reports its failure once, not at every spin.
    EXPECT_EQ(answerer.texts, QStringList(1, settings.unableToWrite(QStringLiteral("Zantaro.ini"))));

    answerer.texts.clear();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(answerer.texts, QStringList({settings.unableToWrite(QStringLiteral("qxupdate.ini")),
                                           settings.unableToWrite(QStringLiteral("Zantaro.ini"))}));
}

TEST(HostileSettings, aSettingsDirectoryNotThereYetIsCreatedByTheFirstSave)
{
    QTemporaryDir root;
    const QString directory = root.filePath(QStringLiteral("config/zantaro"));
    FakeClock clock;
    RecordingSoundPlayer sound;
    MessageBoxAnswerer answerer;
    MainWindow window({clock, sound, {}, buildDirectory(), directory});
    prepareLosingSpin(window, clock);
    spin(window);
    EXPECT_TRUE(answerer.texts.isEmpty());
    QFile saved(directory + QStringLiteral("/Zantaro.ini"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Credits=992"));
}

// A running game stored with absurd values, and what the next spin does with it.
struct StoredGameCase : NamedCase
{
    const char* section;
    const char* refusal; // "" when the spin is played
    std::int32_t credits;
    std::int32_t totalBets;
};

class HostileStoredGame : public ::testing::TestWithParam<StoredGameCase>
{
};

TEST_P(HostileStoredGame, startsPaintsAndPlaysOnWithoutWrapping)
{
    WindowFixture game;
    {
        QFile file(game.settingsFile(QStringLiteral("Zantaro.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[CurrentGame]\nDouble=0\nPayMode=0\n") + GetParam().section);
    }
    game.restart();
    MessageBoxAnswerer answerer;
    prepareLosingSpin(*game.window, game.clock);
    spin(*game.window);
    const QStringList refusals =
        *GetParam().refusal == '\0' ? QStringList() : QStringList(GetParam().refusal);
    EXPECT_EQ(answerer.texts, refusals);
    EXPECT_EQ(game.state().credits, GetParam().credits);
    EXPECT_EQ(game.state().totalBets, GetParam().totalBets);
    EXPECT_FALSE(game.window->grab().isNull());
    EXPECT_TRUE(game.window->close());
    EXPECT_TRUE(game.readSettingsFile(QStringLiteral("Zantaro.ini"))
                    .contains(QStringLiteral("Credits=%1").arg(GetParam().credits)));
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, HostileStoredGame,
    ::testing::Values(
        StoredGameCase{
            {"negativeCredits"}, "Credits=-500\n", "You do not have enough credits for that bet,", -500, 0},
        StoredGameCase{
            {"nineLinesOfAHundredCoinsPlayEightOfEight"}, "LinesPlayed=9\nCoinsPerLine=100\n", "", 936, 64},
        StoredGameCase{{"negativeLinesOfNegativeCoins"},
                       "LinesPlayed=-3\nCoinsPerLine=-3\n",
                       "You must place a bet first.",
                       1000,
                       0},
        // The Lightning row is run out, so the spin wins the bell pool of 2^31 - 1 as well.
        StoredGameCase{{"numbersAtThe32BitLimits"},
                       "Credits=2147483647\nBorrowed=-2147483648\nTotalBets=2147483647\nSpins=2147483647\n"
                       "BellPool=2147483647\nLightning=-2147483648\nMelons=2147483647\n",
                       "",
                       Largest,
                       Largest},
        StoredGameCase{{"garbageText"}, "Credits=%%%\nLinesPlayed=eight\nBellPool=\xff\xfe\n", "", 992, 8}),
    caseName);

} // namespace
} // namespace zantaro::testing
