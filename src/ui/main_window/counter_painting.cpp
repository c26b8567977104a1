// SPDX-License-Identifier: GPL-3.0-or-later
// The counters and bonus displays of the main window: credits, bonus pool, bet, Lightning row,
// fruit pyramid, winnings readout and the blinking free-spin count.
#include "machine_painter.h"
#include "number_drawing.h"

#include <QCoreApplication>
#include <QLocale>

namespace zantaro {

namespace {

template <typename T> const T& byClass(WidthClass widthClass, const T& small, const T& medium, const T& large)
{
    return widthClass == WidthClass::Small ? small : widthClass == WidthClass::Medium ? medium : large;
}

} // namespace

QRect MachinePainter::drawCounter(std::int64_t value, int x, int y, bool yellow, bool rightAligned,
                                  bool tight)
{
    CanvasPainter painter(m_canvas);
    const QRect touched = drawNumber(painter, m_artwork, value, x, y, {yellow, rightAligned, tight});
    touch(touched);
    return touched;
}

void MachinePainter::drawReadoutCounter(Readout readout, std::int64_t value, QPoint at, bool yellow,
                                        bool rightAligned, bool tight)
{
    placeReadout(readout, drawCounter(value, at.x(), at.y(), yellow, rightAligned, tight));
}

void MachinePainter::drawCredits()
{
    const QPoint at = byClass(m_layout.widthClass, QPoint(10, 30), QPoint(10, 30), QPoint(5, 30));
    drawReadoutCounter(Readout::Credits, m_state.credits, at, false, false, false);
}

void MachinePainter::drawBonusPool()
{
    const QPoint at = byClass(m_layout.widthClass, QPoint(5, 80), QPoint(10, 90), QPoint(5, 125));
    drawReadoutCounter(Readout::BonusPool, m_state.bellPool, at, true, false, false);
}

void MachinePainter::drawLinesPlayed()
{
    const int right = m_layout.machineRight;
    const QPoint at =
        byClass(m_layout.widthClass, QPoint(right + 10, 30), QPoint(right + 20, 30), QPoint(right + 5, 30));
    drawReadoutCounter(Readout::LinesPlayed, m_state.linesPlayed, at, true, false, true);
}

void MachinePainter::drawCoinsPerLine()
{
    const int right = m_layout.machineRight;
    const QPoint at = byClass(m_layout.widthClass, QPoint(right + 85, 30), QPoint(right + 145, 30),
                              QPoint(right + 130, 30));
    drawReadoutCounter(Readout::CoinsPerLine, m_state.coinsPerLine, at, true, false, true);
}

void MachinePainter::drawCoinsPlayed()
{
    const int right = m_layout.machineRight;
    const QPoint at = byClass(m_layout.widthClass, QPoint(right + 140, 65), QPoint(right + 195, 78),
                              QPoint(right + 227, 140));
    drawReadoutCounter(Readout::CoinsPlayed, betOf(m_state.linesPlayed, m_state.coinsPerLine), at, false,
                       true, false);
}

// Lit icons fill the row from the right; on small screens they overlap by 5 pixels.
void MachinePainter::drawLightningRow()
{
    const int iconWidth = m_artwork.bonus.width();
    const int iconHeight = m_artwork.bonus.height() / 4;
    QPoint slot = byClass(m_layout.widthClass, QPoint(125, 65), QPoint(190, 80), QPoint(200, 100));
    const int litStep = m_layout.widthClass == WidthClass::Small ? iconWidth - 5 : iconWidth;
    CanvasPainter painter(m_canvas);
    QRect touched;
    for (int icon = 1; icon <= 3; ++icon) {
        const QRect target(slot, QSize(iconWidth, iconHeight));
        if (icon <= m_state.lightning) {
            drawPicture(painter, m_artwork, &ArtworkPictures::bonus, target,
                        QRect(0, 0, iconWidth, iconHeight));
            slot.rx() -= litStep;
        } else {
            fillBlack(painter, target);
            slot.rx() -= iconWidth;
        }
        touched |= target;
    }
    touch(touched);
}

void MachinePainter::drawBonusPyramid()
{
    const int size = m_artwork.bonus.width();
    const int iconHeight = m_artwork.bonus.height() / 4;
    const QPoint anchor = byClass(m_layout.widthClass, QPoint(0, 140), QPoint(20, 150), QPoint(10, 230));
    const int x0 = anchor.x();
    const int y0 = anchor.y();
    struct Slot
    {
        int x;
        int y;
        int icon;
        bool lit;
    };
    const Slot fruitSlots[] = {
        {x0 + 2 * size, y0, 1, m_state.melons >= 1},
        {x0 + 2 * size - size / 2, y0 + size, 2, m_state.apples >= 1},
        {x0 + 2 * size - size / 2 + size, y0 + size, 2, m_state.apples >= 2},
        {x0 + size, y0 + 2 * size, 3, m_state.grapes >= 1},
        {x0 + 2 * size, y0 + 2 * size, 3, m_state.grapes >= 2},
        {x0 + 3 * size, y0 + 2 * size, 3, m_state.grapes >= 3},
    };
    CanvasPainter painter(m_canvas);
    QRect touched;
    for (const Slot& slot : fruitSlots) {
        const QRect target(slot.x, slot.y, size, size);
        if (slot.lit)
            drawPicture(painter, m_artwork, &ArtworkPictures::bonus, target,
                        QRect(0, slot.icon * iconHeight, size, iconHeight));
        else
            fillBlack(painter, target);
        touched |= target;
    }
    touch(touched);
}

void MachinePainter::drawWinningsReadout(bool show)
{
    m_shownWinnings = show ? m_state.winnings : 0;
    drawShownWinnings();
}

void MachinePainter::drawShownWinnings()
{
    const int screenWidth = m_artwork.screenWidth;
    if (screenWidth <= 700)
        return; // small screens have no room for the readout
    const bool medium = screenWidth <= 999;
    const QString label = QCoreApplication::translate("MachinePainter", "Winnings:");
    CanvasPainter painter(m_canvas);
    if (m_shownWinnings != 0) {
        if (medium) {
            const QFontMetrics metrics(windowFont(12), painter.device());
            const QRect text = drawLabel(painter, label, 12,
                                         m_artwork.pictureLeft - 5 - metrics.horizontalAdvance(label), 10);
            painter.end();
            touch(text);
            placeReadout(Readout::Winnings, text | drawCounter(m_shownWinnings, m_artwork.pictureLeft - 5,
                                                               10 + metrics.height(), true, true, true));
        } else {
            const QRect text = drawLabel(painter, label, 14, m_layout.machineRight + 15, 250);
            painter.end();
            touch(text);
            placeReadout(Readout::Winnings, text | drawCounter(m_shownWinnings, m_layout.machineRight + 115,
                                                               243, true, false, true));
        }
        return;
    }
    if (medium) {
        const int labelWidth = QFontMetrics(windowFont(12), painter.device()).horizontalAdvance(label);
        touch(fillBlack(painter, QRect(QPoint(m_artwork.pictureLeft - labelWidth - 5, 10),
                                       QPoint(m_artwork.pictureLeft - 2, 59))));
    } else {
        touch(fillBlack(
            painter, QRect(QPoint(m_layout.machineRight + 1, 240), QPoint(m_canvas.bounds().right(), 299))));
    }
}

// Drawn over the "Win 3 FREE Spins:" label, on a solid black background: red when lit, black
// (so invisible) when not. The ten blanks behind the count keep the black background wide enough
// to cover a longer text drawn before.
void MachinePainter::drawFreeSpinCount(int freeSpinsPending, bool lit)
{
    const QString text = QCoreApplication::translate("MachinePainter", "FREE Spins:  %1")
                             .arg(QLocale().toString(freeSpinsPending)) +
                         QString(10, QLatin1Char(' '));
    CanvasPainter painter(m_canvas);
    const QRect bounds = freeSpinPlace(painter, text);
    painter.fillRect(bounds, Qt::black);
    painter.setPen(lit ? QColor(255, 0, 0) : QColor(0, 0, 0));
    painter.drawText(bounds, Qt::AlignLeft | Qt::AlignTop, text);
    touch(bounds);
    m_freeSpinTextBounds = bounds;
    placeReadout(Readout::FreeSpins, bounds);
}

void MachinePainter::drawFreeSpinLabel()
{
    const QString label = QCoreApplication::translate("MachinePainter", "Win 3 FREE Spins:");
    CanvasPainter painter(m_canvas);
    // The label's own place is cleared too: text drawn over itself would come out bolder.
    touch(fillBlack(painter, m_freeSpinTextBounds.united(freeSpinPlace(painter, label))));
    const QPoint at = freeSpinTextPosition();
    touch(drawLabel(painter, label, labelPointSize(8, 12, 14), at.x(), at.y()));
}

// Sets the painter's font for the free-spin label's place and returns where the text lies there.
QRect MachinePainter::freeSpinPlace(QPainter& painter, const QString& text) const
{
    painter.setFont(windowFont(labelPointSize(8, 12, 14)));
    return painter.fontMetrics().boundingRect(QRect(freeSpinTextPosition(), QSize(0, 0)),
                                              Qt::AlignLeft | Qt::AlignTop, text);
}

QPoint MachinePainter::freeSpinTextPosition() const
{
    return byClass(m_layout.widthClass, QPoint(10, 124), QPoint(10, 128), QPoint(10, 200));
}

} // namespace zantaro
