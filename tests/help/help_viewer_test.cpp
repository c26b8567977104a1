// SPDX-License-Identifier: GPL-3.0-or-later
// The help window over the built manual: contents, topics by number, one reused window, messages
// for a help file that cannot be shown, and use from inside a modal dialog.
#include "platform/help.h"
#include "platform/help_viewer.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace zantaro {
namespace {

const QString Manual = QStringLiteral(ZANTARO_BUILD_DIR "/Zantaro.hlp");

std::vector<HelpViewer*> helpWindows()
{
    std::vector<HelpViewer*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* viewer = dynamic_cast<HelpViewer*>(widget))
            windows.push_back(viewer);
    }
    return windows;
}

HelpViewer* helpWindow()
{
    const std::vector<HelpViewer*> windows = helpWindows();
    return windows.size() == 1 ? windows.front() : nullptr;
}

QTextBrowser* browser()
{
    return helpWindow() ? helpWindow()->findChild<QTextBrowser*>() : nullptr;
}

// The anchor the browser is at.
std::string placeShown()
{
    return browser() ? browser()->source().fragment().toStdString() : std::string();
}

// The text of the line at the top of the browser's view.
std::string topLine()
{
    QCoreApplication::processEvents();
    return browser()->cursorForPosition(QPoint(8, 4)).block().text().toStdString();
}

QTextBlock blockWithAnchor(const QString& anchor)
{
    for (QTextBlock block = browser()->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().anchorNames().contains(anchor))
                return block;
        }
    }
    return {};
}

QToolButton* toolButton(const QString& text)
{
    for (QToolButton* button : helpWindow()->findChildren<QToolButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// A click that goes through the window system, so a window blocked by a modal dialog ignores it.
void clickThroughWindow(QToolButton* button)
{
    QTest::mouseClick(helpWindow()->windowHandle(), Qt::LeftButton, {},
                      button->mapTo(helpWindow(), button->rect().center()));
}

// Runs a help request that should end in a message box; returns the box's text after closing it.
std::string messageOf(const std::function<void()>& request)
{
    std::string text;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text().toStdString();
            box->accept();
        }
    });
    poll.start(5);
    request();
    return text;
}

TEST(HelpViewer, theContentsPageOpensAtTheTopOfTheManual)
{
    showHelpContents(Manual);
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_TRUE(helpWindow()->isVisible());
    EXPECT_EQ(helpWindow()->windowTitle(), QStringLiteral("Zantaro Slots Help"));
    EXPECT_EQ(placeShown(), "contents");
    EXPECT_EQ(browser()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(topLine(), "Zantaro Slots");
}

TEST(HelpViewer, topic41004ScrollsToTheMainWindowTopic)
{
    showHelpContents(Manual);
    showHelpTopic(Manual, HelpTopic::MainWindow);
    EXPECT_EQ(placeShown(), "topic-41004");
    EXPECT_GT(browser()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(topLine(), "The main window");
}

struct TopicCase
{
    int topic;
    const char* heading;
};

void PrintTo(const TopicCase& topic, std::ostream* out)
{
    *out << "topic " << topic.topic;
}

class EveryTopic : public ::testing::TestWithParam<TopicCase>
{
};

TEST_P(EveryTopic, opensWithItsHeadingInView)
{
    showHelpTopic(Manual, GetParam().topic);
    EXPECT_EQ(placeShown(), topicAnchor(GetParam().topic).toStdString());
    QCoreApplication::processEvents();
    const QTextBlock heading = blockWithAnchor(topicAnchor(GetParam().topic));
    ASSERT_TRUE(heading.isValid());
    EXPECT_EQ(heading.text().toStdString(), GetParam().heading);
    EXPECT_TRUE(browser()->viewport()->rect().contains(browser()->cursorRect(QTextCursor(heading))));
}

INSTANTIATE_TEST_SUITE_P(
    HelpViewer, EveryTopic,
    ::testing::Values(TopicCase{HelpTopic::BorrowDialog, "Borrowing and paying back credits"},
                      TopicCase{HelpTopic::MainWindow, "The main window"},
                      TopicCase{HelpTopic::BorrowButtons, "The amount buttons and the mode"},
                      TopicCase{HelpTopic::CardGame, "The Double or Nothing Card Game"},
                      TopicCase{HelpTopic::GameSlots, "Saving and opening games"},
                      TopicCase{HelpTopic::PayChart, "The payoff chart"}));

TEST(HelpViewer, anUnknownTopicShowsTheContents)
{
    showHelpTopic(Manual, HelpTopic::CardGame);
    showHelpTopic(Manual, 41007);
    EXPECT_EQ(placeShown(), "contents");
    EXPECT_EQ(topLine(), "Zantaro Slots");
}

TEST(HelpViewer, oneWindowIsReusedAndComesBackAfterBeingClosed)
{
    showHelpTopic(Manual, HelpTopic::PayChart);
    helpWindow()->close();
    showHelpTopic(Manual, HelpTopic::GameSlots);
    EXPECT_EQ(helpWindows().size(), 1u);
    EXPECT_TRUE(helpWindow()->isVisible());
    EXPECT_EQ(placeShown(), "topic-41008");
}

TEST(HelpViewer, backAndForwardRetraceThePlacesShown)
{
    showHelpTopic(Manual, HelpTopic::CardGame);
    showHelpContents(Manual);
    toolButton(QStringLiteral("Back"))->click();
    EXPECT_EQ(placeShown(), "topic-41006");
    toolButton(QStringLiteral("Forward"))->click();
    EXPECT_EQ(placeShown(), "contents");
    showHelpTopic(Manual, HelpTopic::BorrowDialog);
    toolButton(QStringLiteral("Contents"))->click();
    EXPECT_EQ(placeShown(), "contents");
    EXPECT_FALSE(toolButton(QStringLiteral("Forward"))->isEnabled());
}

TEST(HelpViewer, theManualOpenedFromAModalDialogCanBeUsed)
{
    showHelpContents(Manual);
    helpWindow()->close();
    QDialog dialog;
    std::string placeAfterClick;
    QTimer::singleShot(0, &dialog, [&] {
        showHelpTopic(Manual, HelpTopic::CardGame);
        clickThroughWindow(toolButton(QStringLiteral("Contents")));
        placeAfterClick = placeShown();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(placeAfterClick, "contents");
}

class UnreadableHelpFile : public ::testing::TestWithParam<const char*>
{
};

TEST_P(UnreadableHelpFile, isReportedInAMessageBoxForContentsAndTopicsAlike)
{
    const QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("Zantaro.hlp"));
    if (GetParam()) {
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(GetParam());
    }
    const std::string message = unreadableHelpFileMessage(file).toStdString();
    EXPECT_EQ(messageOf([&] { showHelpContents(file); }), message);
    EXPECT_EQ(messageOf([&] { showHelpTopic(file, HelpTopic::MainWindow); }), message);
    EXPECT_TRUE(unreadableHelpFileMessage(file).contains(file));
}

INSTANTIATE_TEST_SUITE_P(HelpViewer, UnreadableHelpFile,
                         ::testing::Values(nullptr, "", "\x3f\x5f\x03 the binary help of another program",
                                           "<html><body><h1>Some other help</h1></body></html>"));

TEST(HelpViewer, aHelpFileMendedAfterTheMessageIsShownAtTheNextRequest)
{
    const QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("Zantaro.hlp"));
    QFile broken(file);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("damaged");
    broken.close();
    EXPECT_EQ(messageOf([&] { showHelpTopic(file, HelpTopic::CardGame); }),
              unreadableHelpFileMessage(file).toStdString());

    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QFile::copy(Manual, file));
    EXPECT_EQ(messageOf([&] { showHelpTopic(file, HelpTopic::CardGame); }), "");
    EXPECT_EQ(placeShown(), "topic-41006");
}

TEST(HelpViewer, aGoodManualShowsAgainAfterAnUnreadableOne)
{
    const QTemporaryDir directory;
    messageOf(
        [&] { showHelpTopic(directory.filePath(QStringLiteral("Zantaro.hlp")), HelpTopic::MainWindow); });
    showHelpTopic(Manual, HelpTopic::MainWindow);
    EXPECT_EQ(placeShown(), "topic-41004");
    EXPECT_EQ(topLine(), "The main window");
}

// Runs the program's event loop until the game's window closes; quitting disposes of the help window.
TEST(HelpViewer, closingTheGamesWindowEndsTheProgramWhileTheManualIsOpen)
{
    QWidget game;
    game.show();
    showHelpContents(Manual);
    bool stuck = false;
    QTimer::singleShot(0, &game, [&] { game.close(); });
    QTimer::singleShot(5000, &game, [&] {
        stuck = true;
        QCoreApplication::exit(1);
    });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(stuck);
    QCoreApplication::processEvents();
    EXPECT_TRUE(helpWindows().empty());
}

} // namespace
} // namespace zantaro
