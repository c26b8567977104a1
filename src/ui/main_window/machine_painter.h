// SPDX-License-Identifier: GPL-3.0-or-later
// MachinePainter: draws the machine, its counters, lamps and wheels on the main window's canvas -
// everything at once for a full repaint, or one item at a time as the game changes it - and
// reports each rectangle it touched so the window can show it.
#pragma once

#include "artwork.h"
#include "canvas.h"
#include "game/game_state.h"
#include "game/spin_view.h"
#include "window_layout.h"

#include <QImage>
#include <QPainter>
#include <array>

namespace zantaro {

// The counters and texts that the window names for assistive technology.
enum class Readout
{
    Credits,
    BonusPool,
    LinesPlayed,
    CoinsPerLine,
    CoinsPlayed,
    Winnings,
    FreeSpins,
};
inline constexpr int ReadoutCount = 7;

class MachinePainter
{
public:
    MachinePainter(const GameState& state, const Artwork& artwork, const WindowLayout& layout,
                   int dotsPerInch, Canvas& canvas);

    // The whole window in its fixed order; the blinking free-spin text is not part of it.
    void paintWholeWindow();
    // A piece the game changed, from the game's state and the spin's view. The command captions
    // are the command strip's.
    void draw(Change change, const SpinView& view);

    // The winnings the readout shows. It stays what the readout last drew: counting off lowers
    // the winnings step by step, and a repaint meanwhile must still show what the spin paid.
    std::int32_t shownWinnings() const { return m_shownWinnings; }

    // Where a readout was last drawn; empty before it was drawn.
    QRect readoutPlace(Readout readout) const { return m_readoutPlaces[static_cast<std::size_t>(readout)]; }
    QRect lampRect(int lamp) const;
    // Where wheel i's symbol, its window and its bounce rectangle lie.
    QRect symbolRect(int wheel) const;
    QRect wheelWindowRect(int wheel) const;
    QRect bounceRect(int wheel) const;

private:
    void drawWheelCell(int wheel);
    void drawLamp(int lamp);
    void drawCredits();
    void drawBonusPool();
    void drawLinesPlayed();
    void drawCoinsPerLine();
    void drawCoinsPlayed();
    void drawLightningRow();
    void drawBonusPyramid();
    // Shows the winnings as they stand now, or erases the readout.
    void drawWinningsReadout(bool show);
    void drawFreeSpinCount(int freeSpinsPending, bool lit);
    // The "Win 3 FREE Spins:" label again, over the place where the count last blinked.
    void drawFreeSpinLabel();

    // The spinning wheels.
    void drawWheel(int wheel, const WheelLook& look);
    void drawMotionFrame(int wheel, int motionOffset);
    void fillWheelBlank(int wheel);
    void captureWheel(int wheel);
    void drawCapturedWheel(int wheel, int offsetDown);
    void drawLineHighlight(int line);
    void clearLineHighlight(int line);

    QRect drawLabel(QPainter& painter, const QString& text, int pointSize, int x, int y);
    void drawLabels(QPainter& painter);
    void drawAdjusters(QPainter& painter);
    QRect drawCounter(std::int64_t value, int x, int y, bool yellow, bool rightAligned, bool tight);
    void drawReadoutCounter(Readout readout, std::int64_t value, QPoint at, bool yellow, bool rightAligned,
                            bool tight);
    void placeReadout(Readout readout, const QRect& place)
    {
        m_readoutPlaces[static_cast<std::size_t>(readout)] = place;
    }
    QRect fillBlack(QPainter& painter, const QRect& rect);
    int labelPointSize(int small, int medium, int large) const;
    QPoint freeSpinTextPosition() const;
    QRect freeSpinPlace(QPainter& painter, const QString& text) const;
    void drawShownWinnings();
    void touch(const QRect& rect) { m_canvas.touched(rect); }

    const GameState& m_state;
    const Artwork& m_artwork;
    const WindowLayout& m_layout;
    const int m_dotsPerInch;
    Canvas& m_canvas;
    // A wheel's device pixels as the bounce starts, and where the layout lay on the device then.
    struct WheelCapture
    {
        QImage pixels;
        QTransform deviceTransform;
    };
    std::array<WheelCapture, WheelCount> m_captures;
    QRect m_freeSpinTextBounds;
    std::int32_t m_shownWinnings = 0;
    std::array<QRect, ReadoutCount> m_readoutPlaces{};
};

// The font the window draws its texts in: a narrow sans-serif face, so the labels fit where the
// layout puts them.
QFont windowFont(int pointSize);

} // namespace zantaro
