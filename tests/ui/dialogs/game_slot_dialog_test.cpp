// SPDX-License-Identifier: GPL-3.0-or-later
// The game-slot dialog over the real saved-game store: what its panels show, and the exact order
// of slot reads and writes with which it saves and opens games, never touching the running game
// unless a slot is opened.
#include "modal_answers.h"
#include "recording_slot_store.h"
#include "support/named_cases.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace zantaro::testing {
namespace {

GameState runningGame()
{
    GameState state;
    state.credits = 4321;
    state.borrowed = 2000;
    state.spins = 77;
    state.totalBets = 500;
    state.gameName = "CurrentGame";
    return state;
}

std::vector<SlotCall> openingCalls()
{
    return {{CurrentGameSlot, true, "CurrentGame"}};
}

std::vector<SlotCall> openingCallsThen(std::initializer_list<SlotCall> more)
{
    std::vector<SlotCall> calls = openingCalls();
    calls.insert(calls.end(), more);
    return calls;
}

class GameSlotDialogTest : public ::testing::Test
{
protected:
    std::unique_ptr<GameSlotDialog> openDialog(bool saveMode)
    {
        return std::make_unique<GameSlotDialog>(saveMode, store.saveLoadGame(), store.readSlot(),
                                                [this](int topic) { helpTopics.push_back(topic); });
    }

    template <typename Widget> static Widget& child(const QWidget& dialog, const char* name)
    {
        auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
        if (widget == nullptr)
            throw std::runtime_error(std::string("no child ") + name);
        return *widget;
    }

    // Answers the name box with the given name, keeping what it showed.
    ModalAnswer answerNameBox(const QString& name)
    {
        return ModalAnswer::to<QInputDialog>([this, name](QInputDialog& box) {
            nameBoxCaption = box.windowTitle();
            nameBoxPrompt = box.labelText();
            nameBoxStart = box.textValue();
            box.setTextValue(name);
            box.accept();
        });
    }

    GameState state = runningGame();
    RecordingSlotStore store{state};
    std::vector<int> helpTopics;
    QString nameBoxCaption, nameBoxPrompt, nameBoxStart;
};

TEST_F(GameSlotDialogTest, openingStoresTheRunningGameThenReadsTheEightSlotsIntoPanelsOfTheirOwn)
{
    const auto dialog = openDialog(true);

    EXPECT_EQ(store.calls, openingCalls());
    EXPECT_EQ(store.peeks, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(state.credits, 4321);
    EXPECT_EQ(store.file().value("CurrentGame", "GameName"), "CurrentGame");
    EXPECT_EQ(store.file().value("CurrentGame", "Credits"), "4321");
}

TEST_F(GameSlotDialogTest, captionFollowsTheModeInAFixedClientArea)
{
    EXPECT_EQ(openDialog(true)->windowTitle(), "Save a Game -- Select Game Slot");
    const auto dialog = openDialog(false);
    EXPECT_EQ(dialog->windowTitle(), "Open a Game -- Select Game Slot");
    EXPECT_EQ(dialog->size(), QSize(616, 360));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
}

TEST_F(GameSlotDialogTest, panelsOfNeverWrittenSlotsShowAFreshGameUnderTheSectionName)
{
    const auto dialog = openDialog(false);

    for (int panel = 1; panel <= SlotPanelCount; ++panel) {
        const std::string number = std::to_string(panel);
        SCOPED_TRACE("panel " + number);
        EXPECT_EQ(child<QLineEdit>(*dialog, ("Name" + number).c_str()).text(),
                  QString("GameNo%1").arg(panel));
        EXPECT_EQ(child<QLabel>(*dialog, ("Game" + number).c_str()).text(), "Zantaro");
        EXPECT_EQ(child<QLabel>(*dialog, ("date" + number).c_str()).text(),
                  QString::fromStdString(TodayText));
        EXPECT_EQ(child<QLabel>(*dialog, ("credits" + number).c_str()).text(), "1000 Credits");
        EXPECT_EQ(child<QLabel>(*dialog, ("borrowed" + number).c_str()).text(), "1000 Borrowed");
    }
}

TEST_F(GameSlotDialogTest, panelNumbersHaveNoThousandsSeparators)
{
    GameState stored;
    stored.credits = 25000;
    stored.borrowed = 1234567;
    store.store(1, stored, "Lucky streak");

    const auto dialog = openDialog(false);

    EXPECT_EQ(child<QLineEdit>(*dialog, "Name2").text(), "Lucky streak");
    EXPECT_EQ(child<QLabel>(*dialog, "credits2").text(), "25000 Credits");
    EXPECT_EQ(child<QLabel>(*dialog, "borrowed2").text(), "1234567 Borrowed");
}

TEST_F(GameSlotDialogTest, savingIntoPanel3StoresTheRunningGameUnderTheNameTyped)
{
    const auto dialog = openDialog(true);
    const ModalAnswer answer = answerNameBox("Evening run");

    child<QPushButton>(*dialog, "BitBtn2").click();

    EXPECT_EQ(nameBoxCaption, "Name for this saved game?");
    EXPECT_EQ(nameBoxPrompt, "");
    EXPECT_EQ(nameBoxStart, "GameNo3");
    EXPECT_EQ(store.calls, openingCallsThen({{2, true, "Evening run"}}));
    const IniDocument file = store.file();
    EXPECT_EQ(file.value("GameNo3", "GameName"), "Evening run");
    EXPECT_EQ(file.value("GameNo3", "GameDate"), TodayText);
    EXPECT_EQ(file.value("GameNo3", "Credits"), "4321");
    EXPECT_EQ(file.value("GameNo3", "Spins"), "77");
    EXPECT_EQ(state.credits, 4321);
    EXPECT_EQ(state.gameName, "CurrentGame");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(GameSlotDialogTest, theNameBoxStartsFromTheNameAsThePlayerEditedIt)
{
    const auto dialog = openDialog(true);
    child<QLineEdit>(*dialog, "Name6").setText("Edited in the panel");
    const ModalAnswer answer = answerNameBox("Final name");

    child<QPushButton>(*dialog, "BitBtn5").click();

    EXPECT_EQ(nameBoxStart, "Edited in the panel");
    EXPECT_EQ(store.file().value("GameNo6", "GameName"), "Final name");
}

TEST_F(GameSlotDialogTest, cancellingTheNameBoxWritesNothingAndClosesTheDialog)
{
    const auto dialog = openDialog(true);
    const std::string fileAfterOpening = store.files.files.at("Zantaro.ini");
    const ModalAnswer answer = ModalAnswer::to<QInputDialog>([](QInputDialog& box) { box.reject(); });

    child<QPushButton>(*dialog, "BitBtn2").click();

    EXPECT_EQ(store.calls, openingCalls());
    EXPECT_EQ(store.files.files.at("Zantaro.ini"), fileAfterOpening);
    EXPECT_FALSE(store.file().value("GameNo3", "GameName"));
    EXPECT_EQ(state.credits, 4321);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(GameSlotDialogTest, openingPanel5MakesItsGameTheRunningGameAndStoresIt)
{
    GameState stored;
    stored.credits = 777;
    stored.borrowed = 3000;
    stored.spins = 12;
    store.store(4, stored, "Weekend");
    const auto dialog = openDialog(false);

    child<QPushButton>(*dialog, "BitBtn4").click();

    EXPECT_EQ(store.calls, openingCallsThen({{4, false, ""}, {CurrentGameSlot, true, "CurrentGame"}}));
    EXPECT_EQ(state.credits, 777);
    EXPECT_EQ(state.borrowed, 3000);
    EXPECT_EQ(state.spins, 12);
    EXPECT_EQ(store.file().value("CurrentGame", "GameName"), "CurrentGame");
    EXPECT_EQ(store.file().value("CurrentGame", "Credits"), "777");
    EXPECT_EQ(store.file().value("GameNo5", "GameName"), "Weekend");
}

TEST_F(GameSlotDialogTest, openingANeverWrittenSlotStartsAFreshGame)
{
    const auto dialog = openDialog(false);

    child<QPushButton>(*dialog, "OKBtn").click();

    EXPECT_EQ(state.credits, 1000);
    EXPECT_EQ(state.borrowed, 1000);
    EXPECT_EQ(state.spins, 0);
}

struct CloseCase : NamedCase
{
    bool saveMode;
    std::function<void(GameSlotDialog&)> close;
};

class ClosingWithoutChoosing : public GameSlotDialogTest, public ::testing::WithParamInterface<CloseCase>
{
};

// Also with a settings file that cannot be written: the running game never left the state, so a
// failed store of it loses nothing.
TEST_P(ClosingWithoutChoosing, leavesTheRunningGameUnchangedEvenWhenNothingCanBeWritten)
{
    GameState lastSlot;
    lastSlot.credits = 9;
    store.store(7, lastSlot, "Last panel");
    for (const bool writable : {true, false}) {
        SCOPED_TRACE(writable ? "writable" : "unwritable");
        store.files.refuseWrites = !writable;
        store.calls.clear();
        state.coinsPerLine = 5;
        const auto dialog = openDialog(GetParam().saveMode);

        GetParam().close(*dialog);

        EXPECT_EQ(store.calls, openingCalls());
        EXPECT_EQ(state.credits, 4321);
        EXPECT_EQ(state.coinsPerLine, 5);
        EXPECT_EQ(state.spins, 77);
        EXPECT_FALSE(dialog->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(GameSlotDialog, ClosingWithoutChoosing,
                         ::testing::Values(CloseCase{{"openModeCancelButton"},
                                                     false,
                                                     [](GameSlotDialog& dialog) {
                                                         dialog.findChild<QPushButton*>("CancelBtn")->click();
                                                     }},
                                           CloseCase{{"saveModeCancelButton"},
                                                     true,
                                                     [](GameSlotDialog& dialog) {
                                                         dialog.findChild<QPushButton*>("CancelBtn")->click();
                                                     }},
                                           CloseCase{{"openModeCloseBox"},
                                                     false,
                                                     [](GameSlotDialog& dialog) {
                                                         dialog.show();
                                                         dialog.close();
                                                     }},
                                           CloseCase{{"saveModeEscapeKey"},
                                                     true,
                                                     [](GameSlotDialog& dialog) {
                                                         dialog.show();
                                                         QTest::keyClick(&dialog, Qt::Key_Escape);
                                                     }}),
                         caseName);

TEST_F(GameSlotDialogTest, aLongNameIsStoredWholeAndShownCutTo30Characters)
{
    const QString name = QStringLiteral("A name of forty characters, all of them!");
    ASSERT_EQ(name.size(), 40);
    const ModalAnswer answer = answerNameBox(name);
    openDialog(true)->findChild<QPushButton*>("BitBtn2")->click();
    ASSERT_EQ(store.file().value("GameNo3", "GameName"), name.toStdString());

    const auto reopened = openDialog(false);

    EXPECT_EQ(child<QLineEdit>(*reopened, "Name3").text(), name.left(30));
}

// A name in the Windows code page, in a file brought over from Windows, shows as it was written
// there, and saving into its slot keeps it in the code page that Windows reads.
TEST_F(GameSlotDialogTest, aWindowsNameShowsAndIsSavedInItsCodePage)
{
    const QString name = QString::fromUtf8("Partie \u00E9t\u00E9");
    store.files.files["Zantaro.ini"] = "[GameNo2]\r\nGameName=Partie \xE9t\xE9\r\nCredits=500\r\n";
    const ModalAnswer answer = answerNameBox(name);
    const auto dialog = openDialog(true);
    EXPECT_EQ(child<QLineEdit>(*dialog, "Name2").text(), name);

    child<QPushButton>(*dialog, "BitBtn1").click();

    EXPECT_EQ(nameBoxStart, name);
    EXPECT_NE(store.files.files["Zantaro.ini"].find("[GameNo2]\r\nGameName=Partie \xE9t\xE9\r\n"),
              std::string::npos);
    EXPECT_EQ(child<QLineEdit>(*openDialog(false), "Name2").text(), name);
}

TEST_F(GameSlotDialogTest, helpButtonAndF1OpenTheDialogsTopic)
{
    const auto dialog = openDialog(true);

    child<QPushButton>(*dialog, "HelpBtn").click();
    QTest::keyClick(&child<QLineEdit>(*dialog, "Name1"), Qt::Key_F1);

    EXPECT_EQ(helpTopics, (std::vector<int>{41008, 41008}));
}

} // namespace
} // namespace zantaro::testing
