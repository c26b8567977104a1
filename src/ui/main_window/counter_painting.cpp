// The counters and bonus displays of the main window: credits, bonus pool, bet, Lightning row,
// fruit pyramid, winnings readout and the blinking free-spin count.
#include "machine_painter.h"
#include "number_drawing.h"

namespace zantaro {

namespace {

template <typename T>
const T& byClass(WidthClass widthClass, const T& small, const T& medium, const T& large)
{
    return widthClass == WidthClass::Small ? small : widthClass == WidthClass::Medium ? medium : large;
}

} // namespace

QRect MachinePainter::drawCounter(std::int64_t value, int x, int y, bool yellow, bool rightAligned, bool tight)
{
    QPainter painter(&m_buffer);
    const QRect touched = DrawNumber(painter, m_artwork, value, x, y, {yellow, rightAligned, tight});
    touch(touched);
    return touched;
}

void MachinePainter::DrawCredits()
{
    const QPoint at = byClass(m_layout.widthClass, QPoint(10, 30), QPoint(10, 30), QPoint(5, 30));
    drawCounter(m_state.Credits, at.x(), at.y(), false, false, false);
}

void MachinePainter::DrawBonusPool()
{
    const QPoint at = byClass(m_layout.widthClass, QPoint(5, 80), QPoint(10, 90), QPoint(5, 125));
    drawCounter(m_state.BellPool, at.x(), at.y(), true, false, false);
}

void MachinePainter::DrawLinesPlayed()
{
    const int right = m_layout.machineRight;
    const QPoint at = byClass(m_layout.widthClass, QPoint(right + 10, 30), QPoint(right + 20, 30), QPoint(right + 5, 30));
    drawCounter(m_state.LinesPlayed, at.x(), at.y(), true, false, true);
}

void MachinePainter::DrawCoinsPerLine()
{
    const int right = m_layout.machineRight;
    const QPoint at =
        byClass(m_layout.widthClass, QPoint(right + 85, 30), QPoint(right + 145, 30), QPoint(right + 130, 30));
    drawCounter(m_state.CoinsPerLine, at.x(), at.y(), true, false, true);
}

void MachinePainter::DrawCoinsPlayed()
{
    const int right = m_layout.machineRight;
    const QPoint at =
        byClass(m_layout.widthClass, QPoint(right + 140, 65), QPoint(right + 195, 78), QPoint(right + 227, 140));
    drawCounter(static_cast<std::int64_t>(m_state.CoinsPerLine) * m_state.LinesPlayed, at.x(), at.y(), false, true,
                false);
}

// Lit icons fill the row from the right; on small screens they overlap by 5 pixels.
void MachinePainter::DrawLightningRow()
{
    const int iconWidth = m_artwork.Bonus.width();
    const int iconHeight = m_artwork.Bonus.height() / 4;
    QPoint slot = byClass(m_layout.widthClass, QPoint(125, 65), QPoint(190, 80), QPoint(200, 100));
    const int litStep = m_layout.widthClass == WidthClass::Small ? iconWidth - 5 : iconWidth;
    QPainter painter(&m_buffer);
    QRect touched;
    for (int icon = 1; icon <= 3; ++icon) {
        const QRect target(slot, QSize(iconWidth, iconHeight));
        if (icon <= m_state.Lightning) {
            painter.drawImage(target, m_artwork.Bonus, QRect(0, 0, iconWidth, iconHeight));
            slot.rx() -= litStep;
        } else {
            fillBlack(painter, target);
            slot.rx() -= iconWidth;
        }
        touched |= target;
    }
    touch(touched);
}

void MachinePainter::DrawBonusPyramid()
{
    const int size = m_artwork.Bonus.width();
    const int iconHeight = m_artwork.Bonus.height() / 4;
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
        {x0 + 2 * size, y0, 1, m_state.Melons >= 1},
        {x0 + 2 * size - size / 2, y0 + size, 2, m_state.Apples >= 1},
        {x0 + 2 * size - size / 2 + size, y0 + size, 2, m_state.Apples >= 2},
        {x0 + size, y0 + 2 * size, 3, m_state.Grapes >= 1},
        {x0 + 2 * size, y0 + 2 * size, 3, m_state.Grapes >= 2},
        {x0 + 3 * size, y0 + 2 * size, 3, m_state.Grapes >= 3},
    };
    QPainter painter(&m_buffer);
    QRect touched;
    for (const Slot& slot : fruitSlots) {
        const QRect target(slot.x, slot.y, size, size);
        if (slot.lit)
            painter.drawImage(target, m_artwork.Bonus, QRect(0, slot.icon * iconHeight, size, iconHeight));
        else
            fillBlack(painter, target);
        touched |= target;
    }
    touch(touched);
}

void MachinePainter::DrawWinningsReadout(bool show)
{
    const int screenWidth = m_artwork.ScreenWidth;
    if (screenWidth <= 700)
        return; // small screens have no room for the readout
    const bool medium = screenWidth <= 999;
    const QString label = QStringLiteral("Winnings:");
    QPainter painter(&m_buffer);
    if (show && m_state.Winnings != 0) {
        if (medium) {
            const QFontMetrics metrics(windowFont(12), &m_buffer);
            const QRect text = drawLabel(painter, label, 12, m_artwork.PictureLeft - 5 - metrics.horizontalAdvance(label), 10);
            painter.end();
            touch(text);
            drawCounter(m_state.Winnings, m_artwork.PictureLeft - 5, 10 + metrics.height(), true, true, true);
        } else {
            const QRect text = drawLabel(painter, label, 14, m_layout.machineRight + 15, 250);
            painter.end();
            touch(text);
            drawCounter(m_state.Winnings, m_layout.machineRight + 115, 243, true, false, true);
        }
        return;
    }
    if (medium) {
        const int labelWidth = QFontMetrics(windowFont(12), &m_buffer).horizontalAdvance(label);
        touch(fillBlack(painter, QRect(QPoint(m_artwork.PictureLeft - labelWidth - 5, 10),
                                       QPoint(m_artwork.PictureLeft - 2, 59))));
    } else {
        touch(fillBlack(painter, QRect(QPoint(m_layout.machineRight + 1, 240), QPoint(m_buffer.width() - 1, 299))));
    }
}

// Drawn over the "Win 3 FREE Spins:" label, on a solid black background: red when lit, black
// (so invisible) when not.
void MachinePainter::drawFreeSpinText(const QString& text, bool lit)
{
    const QPoint at = freeSpinTextPosition();
    const int size = labelPointSize(8, 12, 14);
    QPainter painter(&m_buffer);
    painter.setFont(windowFont(size));
    const QRect bounds = painter.fontMetrics().boundingRect(QRect(at, QSize(0, 0)), Qt::AlignLeft | Qt::AlignTop, text);
    painter.fillRect(bounds, Qt::black);
    painter.setPen(lit ? QColor(255, 0, 0) : QColor(0, 0, 0));
    painter.drawText(bounds, Qt::AlignLeft | Qt::AlignTop, text);
    touch(bounds);
    m_freeSpinTextBounds = bounds;
}

void MachinePainter::drawFreeSpinLabel()
{
    const QString label = QStringLiteral("Win 3 FREE Spins:");
    const QPoint at = freeSpinTextPosition();
    const int size = labelPointSize(8, 12, 14);
    QPainter painter(&m_buffer);
    painter.setFont(windowFont(size));
    // The label's own place is cleared too: text drawn over itself would come out bolder.
    const QRect labelBounds = painter.fontMetrics().boundingRect(QRect(at, QSize(0, 0)), Qt::AlignLeft | Qt::AlignTop, label);
    touch(fillBlack(painter, m_freeSpinTextBounds.united(labelBounds)));
    touch(drawLabel(painter, label, size, at.x(), at.y()));
}

QPoint MachinePainter::freeSpinTextPosition() const
{
    return byClass(m_layout.widthClass, QPoint(10, 124), QPoint(10, 128), QPoint(10, 200));
}

} // namespace zantaro
