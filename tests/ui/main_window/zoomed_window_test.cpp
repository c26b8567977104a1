// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at zoom 1.5: drawn from the 2x pictures in the window's device pixels, and a
// click lands where the player sees the spin button.
#include "window_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace zantaro {
namespace {

constexpr qreal Zoom = 1.5;

struct ZoomedFixture : testing::WindowFixture
{
    ZoomedFixture() : WindowFixture(ScreenFacts{1280, 720, 32, 96})
    {
        prepare([](GameState& game) {
            game.sound = false;
            game.doubleOn = false;
        });
        window->show();
    }

    // The device pixels of the spin face as the window shows it: from the middle of its place,
    // out to where the black background starts.
    QRect drawnSpinFace() const
    {
        const QImage shown = window->grab().toImage();
        const QPoint middle =
            window->view().toWindow(window->layout().spinRect.pictureRect()).center() * Zoom;
        const auto drawn = [&](QPoint pixel) {
            return shown.rect().contains(pixel) && shown.pixel(pixel) != qRgb(0, 0, 0);
        };
        QRect face(middle, middle);
        while (drawn(QPoint(face.left() - 1, middle.y())))
            face.setLeft(face.left() - 1);
        while (drawn(QPoint(face.right() + 1, middle.y())))
            face.setRight(face.right() + 1);
        while (drawn(QPoint(middle.x(), face.top() - 1)))
            face.setTop(face.top() - 1);
        while (drawn(QPoint(middle.x(), face.bottom() + 1)))
            face.setBottom(face.bottom() + 1);
        return face;
    }

    void clickDevicePixel(QPoint pixel) { QTest::mouseClick(window.get(), Qt::LeftButton, {}, pixel / Zoom); }
};

TEST(ZoomedWindow, drawsFromTheTwiceSizePicturesShrunkOnceInTheWindowsDevicePixels)
{
    ZoomedFixture game;
    EXPECT_DOUBLE_EQ(game.window->devicePixelRatioF(), Zoom);
    EXPECT_EQ(game.window->artwork().sharp.machinePicture.size(), QSize(750, 960));
    EXPECT_EQ(game.window->artwork().sharp.spinBtn.size(), QSize(186, 108));
    EXPECT_EQ(game.window->shownWindowPixels().size(),
              QSize(qCeil(game.window->width() * Zoom), qCeil(game.window->height() * Zoom)));
    EXPECT_EQ(game.window->size(), QSize(1270, 685));
}

TEST(ZoomedWindow, aClickOnTheDrawnSpinButtonSpinsAndAClickJustOutsideItDoesNot)
{
    ZoomedFixture game;
    const QRect face = game.drawnSpinFace();
    // The 124 x 72 face, drawn 1.5 times larger.
    EXPECT_NEAR(face.width(), 186, 3);
    EXPECT_NEAR(face.height(), 108, 3);

    game.clickDevicePixel(QPoint(face.left() - 3, face.center().y()));
    game.clickDevicePixel(QPoint(face.center().x(), face.top() - 3));
    game.clickDevicePixel(QPoint(face.right() + 4, face.center().y()));
    EXPECT_EQ(game.state().spins, 0);

    game.clickDevicePixel(face.center());
    EXPECT_EQ(game.state().spins, 1);
}

} // namespace
} // namespace zantaro
