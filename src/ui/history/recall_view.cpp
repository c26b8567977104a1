// SPDX-License-Identifier: GPL-3.0-or-later
#include "recall_view.h"

#include "game/paytable.h"
#include "ui/accessibility/focus_ring.h"
#include "ui/dialogs/side_window_look.h"
#include "ui/texts/recall_text.h"

#include <QPainter>

namespace zantaro {

namespace {

constexpr int Cell = 36;
constexpr int Gap = 2;
constexpr int Margin = 6;
constexpr int TextLeft = Margin + 3 * Cell + 2 * Gap + 14;
constexpr int LineHeight = 16;
constexpr int SymbolSheetColumns = 4;

QPoint cellTopLeft(int wheel)
{
    return {Margin + (wheel % 3) * (Cell + Gap), Margin + (wheel / 3) * (Cell + Gap)};
}

QPoint cellCentre(int wheel)
{
    return cellTopLeft(wheel) + QPoint(Cell / 2, Cell / 2);
}

} // namespace

RecallView::RecallView(const SpinRecall& recall, int ordinal, const QImage& symbolSheet, QWidget* parent)
    : QWidget(parent), m_recall(recall), m_symbolSheet(symbolSheet)
{
    m_heading = tr("%1.  %2").arg(QString::number(ordinal), recallHeading(recall));
    m_lines = recallLines(recall);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The spin in words, for a screen reader; Tab steps through the spins, only the keyboard
    // giving them the focus.
    setAccessibleName(m_heading);
    setAccessibleDescription(m_lines.join(QLatin1Char('\n')));
    setFocusPolicy(Qt::TabFocus);
}

QSize RecallView::sizeHint() const
{
    const int textHeight = Margin + LineHeight * static_cast<int>(m_lines.size() + 1) + Margin;
    return {600, std::max(2 * Margin + 3 * Cell + 2 * Gap, textHeight)};
}

void RecallView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Free spins stand out in the blue of the FREE lamp.
    painter.fillRect(rect(), m_recall.freeSpin ? QColor(224, 234, 255) : QColor(255, 250, 236));
    painter.setPen(QColor(200, 190, 170));
    painter.drawLine(rect().bottomLeft(), rect().bottomRight());
    paintSymbols(painter);

    painter.setPen(Qt::black);
    painter.setFont(sideWindowFont(13, true));
    int baseline = Margin + 12;
    painter.drawText(TextLeft, baseline, m_heading);
    painter.setFont(sideWindowFont(13));
    for (const QString& line : m_lines) {
        baseline += LineHeight;
        const bool last = &line == &m_lines.back();
        painter.setPen(last ? QColor(150, 0, 10) : Qt::black);
        painter.drawText(TextLeft + 12, baseline, line);
    }
    if (hasFocus())
        paintFocusRing(painter, rect());
}

void RecallView::paintSymbols(QPainter& painter) const
{
    const int sheetCell = m_symbolSheet.width() / SymbolSheetColumns;
    painter.fillRect(QRect(Margin - 2, Margin - 2, 3 * Cell + 2 * Gap + 4, 3 * Cell + 2 * Gap + 4),
                     QColor(44, 44, 52));
    for (int wheel = 0; wheel < WheelCount; ++wheel) {
        const int code = m_recall.symbols[wheel];
        const QRect target(cellTopLeft(wheel), QSize(Cell, Cell));
        painter.fillRect(target, Qt::white);
        if (sheetCell > 0)
            painter.drawImage(target, m_symbolSheet,
                              QRect((code % SymbolSheetColumns) * sheetCell,
                                    (code / SymbolSheetColumns) * sheetCell, sheetCell, sheetCell));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int line = 0; line < PaylineCount; ++line) {
        if (m_recall.linePays[line] <= 0)
            continue;
        const LineColour& ink = PaylineColours[static_cast<std::size_t>(line)];
        const QColor colour(ink.red, ink.green, ink.blue, 200);
        painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap));
        const auto& wheels = Paylines[line];
        painter.drawPolyline(QPolygon{cellCentre(wheels[0]), cellCentre(wheels[1]), cellCentre(wheels[2])});
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace zantaro
