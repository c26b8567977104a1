// SPDX-License-Identifier: GPL-3.0-or-later
// The card table on a screen of twice the density: a turned card is composed from the 2x pictures
// into a table picture of device pixels, so its corners, pip and rank sign are as sharp as the 2x
// set, not the 1x set blown up; and an assistive client is told where a card shows on the screen.
#include "game_on_host.h"
#include "resources/built_in_pictures.h"
#include "support/recording_host.h"
#include "ui/accessibility/piece_button.h"
#include "ui/card_game/card_game_window.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

constexpr int Zoom = 2;
constexpr std::int64_t AceOfClubsClock = 1001; // the Ace of clubs in slot 0
const QRgb Maroon = qRgb(128, 0, 0);

QImage twiceSizePicture(const char* name)
{
    return builtInPicture(QStringLiteral("card_game/%1@2x.png").arg(QLatin1String(name)))
        .convertToFormat(QImage::Format_RGB32);
}

TEST(ZoomedCardGame, aTurnedCardIsDrawnPixelForPixelFromTheTwiceSizePictures)
{
    GameOnHost<RecordingHost> game;
    game.host.clockValue = AceOfClubsClock;
    game.state.winnings = 40;
    CardGameWindow window(game.context, [](int) {});
    window.show();
    ASSERT_EQ(window.devicePixelRatioF(), Zoom);
    EXPECT_EQ(window.size(), QSize(632, 413));
    EXPECT_EQ(window.tablePicture().size(), QSize(632, 413) * Zoom);
    ASSERT_EQ(window.table().slot(0).cardNumber, 0);
    const TablePoint at = cardPosition(0);
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(at.x + 30, at.y + 40));

    const QImage card = window.grab()
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32)
                            .copy(at.x * Zoom, at.y * Zoom, CardWidth * Zoom, CardHeight * Zoom);
    // The table shows exactly where the 2x mask is white: the rounded corners' finer steps.
    const QImage mask = twiceSizePicture("Neg");
    ASSERT_EQ(mask.size(), card.size());
    int tablePixels = 0;
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            const bool table = mask.pixel(x, y) == qRgb(255, 255, 255);
            ASSERT_EQ(table, card.pixel(x, y) == Maroon) << x << "," << y;
            tablePixels += table ? 1 : 0;
        }
    }
    EXPECT_GT(tablePixels, 4 * 4 * 6);
    // The club in the middle, (28, 42) to (43, 57) in table pixels, and the rank sign A.
    EXPECT_EQ(card.copy(28 * Zoom, 42 * Zoom, 15 * Zoom, 15 * Zoom),
              twiceSizePicture("Suits").copy(0, 0, 15 * Zoom, 15 * Zoom));
    EXPECT_EQ(card.copy(3 * Zoom, 3 * Zoom, 9 * Zoom, 13 * Zoom),
              twiceSizePicture("Black").copy(0, 0, 9 * Zoom, 13 * Zoom));
}

TEST(ZoomedCardGame, aCardsPlaceForAssistiveClientsIsInTheScreensOwnPixels)
{
    GameOnHost<RecordingHost> game;
    CardGameWindow window(game.context, [](int) {});
    window.show();
    const TablePoint at = cardPosition(9);
    const QPoint logical = window.mapToGlobal(QPoint(at.x, at.y));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.cardButton(9))->rect(),
              QRect(logical * Zoom, QSize(CardWidth, CardHeight) * Zoom));
}

} // namespace
} // namespace zantaro::testing
