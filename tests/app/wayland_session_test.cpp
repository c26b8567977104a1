// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a native Wayland client under a headless compositor: it picks its zoom, starts,
// paints, spins (drawing each change into the compositor's buffer), opens a double-or-nothing window and a
// message box, and stores its game on close.
#include "app/startup_zoom.h"
#include "platform/screen_facts.h"
#include "ui/main_window/window_fixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zantaro {
namespace {

// Closes the next modal window once it shows, and notes its class.
void closeNextModal(QString* className)
{
    auto* poll = new QTimer;
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, [poll, className] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        *className = QString::fromLatin1(modal->metaObject()->className());
        modal->close();
    });
    poll->start();
}

TEST(WaylandSession, theGameStartsPaintsSpinsOpensItsWindowsAndStoresItsGameOnClose)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    testing::WindowFixture game(primaryScreenFacts());
    // A win then pays at once; the double-or-nothing window is opened below on its own.
    game.prepare([](GameState& s) {
        s.sound = false;
        s.doubleOn = false;
    });
    // The fixture has shown the window and waited for its first paint.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(game.window.get()));
    const QImage before = game.window->shownPixels();
    ASSERT_FALSE(before.isNull());
    // The compositor's 1920 x 1080 output gets the zoom of such a screen.
    EXPECT_DOUBLE_EQ(game.window->devicePixelRatioF(), 1.5);

    game.clickLayout(game.window->layout().spinRect.pictureRect().center());
    EXPECT_EQ(game.state().spins, 1);
    // The spin drew straight into the compositor's buffer: at least the credits changed.
    EXPECT_NE(game.window->shownPixels(), before);

    QString doubleOrNothing;
    closeNextModal(&doubleOrNothing);
    game.window->playDoubleOrNothing(DoubleOrNothingGame::CardGame); // opens it; the game goes on
    while (doubleOrNothing.isEmpty())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(doubleOrNothing, QStringLiteral("zantaro::CardGameWindow"));

    QString message;
    testing::answerNextMessageBox(QMessageBox::Ok, &message);
    game.window->showMessage(Message{MessageId::PlaceBetFirst});
    testing::waitForMessageBoxAnswers();
    EXPECT_EQ(message, QStringLiteral("You must place a bet first."));

    game.window->close();
    EXPECT_TRUE(game.readSettingsFile(QStringLiteral("Zantaro.ini")).contains(QStringLiteral("Spins=1")));
}

} // namespace
} // namespace zantaro

int main(int argc, char** argv)
{
    if (const std::optional<int> exitCode = zantaro::prepareZoom(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
