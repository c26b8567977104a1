// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine_painter.h"

#include "game/reels.h"
#include "number_drawing.h"

#include <QCoreApplication>

namespace zantaro {

namespace {

const QColor LabelYellow(255, 255, 0);

} // namespace

QFont windowFont(int pointSize)
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPointSize(pointSize);
    return font;
}

MachinePainter::MachinePainter(const GameState& state, const Artwork& artwork, const WindowLayout& layout,
                               int dotsPerInch, Canvas& canvas)
    : m_state(state), m_artwork(artwork), m_layout(layout), m_dotsPerInch(dotsPerInch), m_canvas(canvas)
{
}

void MachinePainter::paintWholeWindow()
{
    {
        CanvasPainter painter(m_canvas);
        painter.fillRect(m_canvas.bounds(), Qt::black); // the window-frame colour behind everything
        const QImage& machine = m_artwork.machinePicture;
        drawPicture(painter, m_artwork, &ArtworkPictures::machinePicture,
                    QRect(QPoint(m_artwork.pictureLeft, m_artwork.pictureTop), machine.size()),
                    machine.rect());
    }
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        drawWheelCell(wheel);
    {
        CanvasPainter painter(m_canvas);
        const QRect buttonFace(0, 0, m_artwork.spinBtn.width(), m_artwork.spinBtn.height());
        drawPicture(painter, m_artwork, &ArtworkPictures::stopBtn, m_layout.stopRect.pictureRect(),
                    buttonFace);
        drawPicture(painter, m_artwork, &ArtworkPictures::spinBtn, m_layout.spinRect.pictureRect(),
                    buttonFace);
        drawLabels(painter);
    }
    drawCredits();
    drawCoinsPerLine();
    drawLinesPlayed();
    drawBonusPool();
    drawLightningRow();
    drawBonusPyramid();
    {
        CanvasPainter painter(m_canvas);
        drawAdjusters(painter);
    }
    drawCoinsPlayed();
    drawShownWinnings();
    for (int lamp = 0; lamp < LampCount; ++lamp)
        drawLamp(lamp);
    touch(m_canvas.bounds());
}

void MachinePainter::draw(Change change, const SpinView& view)
{
    const int index = change.index;
    switch (change.piece) {
    case Piece::Wheel:
        drawWheel(index, view.wheels[static_cast<std::size_t>(index)]);
        break;
    case Piece::Lamp:
        drawLamp(index);
        break;
    case Piece::LineHighlight:
        drawLineHighlight(index);
        break;
    case Piece::LineCleared:
        clearLineHighlight(index);
        break;
    case Piece::Credits:
        drawCredits();
        break;
    case Piece::BonusPool:
        drawBonusPool();
        break;
    case Piece::LightningRow:
        drawLightningRow();
        break;
    case Piece::BonusPyramid:
        drawBonusPyramid();
        break;
    case Piece::LinesPlayed:
        drawLinesPlayed();
        break;
    case Piece::CoinsPerLine:
        drawCoinsPerLine();
        break;
    case Piece::CoinsPlayed:
        drawCoinsPlayed();
        break;
    case Piece::Winnings:
        drawWinningsReadout(view.winningsShown);
        break;
    case Piece::FreeSpinCount:
        drawFreeSpinCount(m_state.freeSpinsPending, view.freeSpinCountLit);
        break;
    case Piece::FreeSpinLabel:
        drawFreeSpinLabel();
        break;
    case Piece::Window:
        paintWholeWindow();
        break;
    case Piece::CommandCaptions:
        break;
    }
}

int MachinePainter::labelPointSize(int small, int medium, int large) const
{
    switch (m_layout.widthClass) {
    case WidthClass::Small:
        return small;
    case WidthClass::Medium:
        return medium;
    case WidthClass::Large:
        break;
    }
    return large;
}

QRect MachinePainter::drawLabel(QPainter& painter, const QString& text, int pointSize, int x, int y)
{
    painter.setFont(windowFont(pointSize));
    painter.setPen(LabelYellow);
    const QRect bounds =
        painter.fontMetrics().boundingRect(QRect(x, y, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
    painter.drawText(bounds, Qt::AlignLeft | Qt::AlignTop, text);
    return bounds;
}

void MachinePainter::drawLabels(QPainter& painter)
{
    const int right = m_layout.machineRight;
    const int size = labelPointSize(8, 12, 14);
    // The bet labels shrink a little on screens of more than 100 pixels per inch.
    const int betSize = labelPointSize(8, m_dotsPerInch > 100 ? 10 : 12, m_dotsPerInch > 100 ? 12 : 14);
    struct Label
    {
        const char* text;
        int pointSize;
        QPoint small;
        QPoint medium;
        QPoint large;
    };
    const Label labels[] = {
        {QT_TRANSLATE_NOOP("MachinePainter", "Credits:"), size, {10, 10}, {10, 10}, {10, 5}},
        {QT_TRANSLATE_NOOP("MachinePainter", "Bonus Pool:"), size, {10, 60}, {10, 70}, {10, 100}},
        {QT_TRANSLATE_NOOP("MachinePainter", "Win 3 FREE Spins:"), size, {10, 124}, {10, 128}, {10, 200}},
        {QT_TRANSLATE_NOOP("MachinePainter", "Lines Played:"),
         betSize,
         {right + 10, 5},
         {right + 20, 5},
         {right + 5, 5}},
        {QT_TRANSLATE_NOOP("MachinePainter", "Coins/Line:"),
         betSize,
         {right + 89, 5},
         {right + 145, 5},
         {right + 130, 5}},
        {QT_TRANSLATE_NOOP("MachinePainter", "Coins Played:"),
         size,
         {right + 15, 70},
         {right + 40, 80},
         {right + 15, 150}},
    };
    for (const Label& label : labels) {
        const QPoint at = m_layout.widthClass == WidthClass::Small    ? label.small
                          : m_layout.widthClass == WidthClass::Medium ? label.medium
                                                                      : label.large;
        drawLabel(painter, QCoreApplication::translate("MachinePainter", label.text), label.pointSize, at.x(),
                  at.y());
    }
}

void MachinePainter::drawAdjusters(QPainter& painter)
{
    const auto adjuster =
        m_artwork.screenWidth < 1000 ? &ArtworkPictures::plusSmall : &ArtworkPictures::plusMinus;
    const int halfWidth = m_layout.linesPlusRect.width();
    const int height = m_layout.linesPlusRect.height();
    const QRect plusHalf(0, 0, halfWidth, height);
    const QRect minusHalf(halfWidth, 0, halfWidth, height);
    for (const HitRect* plus : {&m_layout.linesPlusRect, &m_layout.coinsPlusRect}) {
        drawPicture(painter, m_artwork, adjuster, plus->pictureRect(), plusHalf);
        drawPicture(painter, m_artwork, adjuster, QRect(plus->right + 5, plus->top, halfWidth, height),
                    minusHalf);
    }
}

QRect MachinePainter::symbolRect(int wheel) const
{
    const int column = wheel % 3;
    const int row = wheel / 3;
    const int size = m_artwork.cellSize;
    if (m_artwork.largeCells())
        return QRect(m_artwork.pictureLeft + 79 + 124 * column, m_artwork.pictureTop + 94 + 173 * row, size,
                     size);
    return QRect(m_artwork.pictureLeft + 49 + 81 * column, m_artwork.pictureTop + 59 + 112 * row, size, size);
}

void MachinePainter::drawWheelCell(int wheel)
{
    const int code = m_state.shownSymbol(wheel);
    const int size = m_artwork.cellSize;
    const QRect source((code % 4) * size, (code / 4) * size, size, size);
    const QRect target = symbolRect(wheel);
    CanvasPainter painter(m_canvas);
    drawPicture(painter, m_artwork, &ArtworkPictures::symbolSheet, target, source);
    touch(target);
}

QRect MachinePainter::lampRect(int lamp) const
{
    const int lampWidth = m_artwork.lampBar.width() / 8;
    const int lampHeight = m_artwork.lampBar.height() / 2;
    const int left = m_artwork.pictureLeft + lamp * lampWidth + 2 + (m_artwork.screenWidth < 1000 ? 32 : 0);
    return QRect(left, m_artwork.pictureTop + m_artwork.machinePicture.height(), lampWidth, lampHeight);
}

void MachinePainter::drawLamp(int lamp)
{
    const QRect target = lampRect(lamp);
    const QRect source(lamp * target.width(), m_state.lamps[lamp] ? 0 : target.height(), target.width(),
                       target.height());
    CanvasPainter painter(m_canvas);
    drawPicture(painter, m_artwork, &ArtworkPictures::lampBar, target, source);
    touch(target);
}

QRect MachinePainter::fillBlack(QPainter& painter, const QRect& rect)
{
    painter.fillRect(rect, Qt::black);
    return rect;
}

} // namespace zantaro
