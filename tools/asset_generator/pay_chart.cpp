// SPDX-License-Identifier: GPL-3.0-or-later
#include "pay_chart.h"

#include "lamp_bar.h"
#include "paint_kit.h"
#include "pay_chart_rows.h"
#include "symbol_painter.h"

namespace zantaro::assets {

namespace {

const QColor Cream(255, 244, 214);
constexpr qreal RowHeight = 33;
constexpr qreal Tile = 29;

QRectF paintPanel(QPainter& painter, const QRectF& panel, const QString& heading)
{
    paintFramedPanel(painter, panel, 8, QColor(30, 10, 20, 220), QColor(10, 4, 8, 220),
                     goldSheen(panel.topLeft(), panel.bottomRight()), 2);
    const QRectF title(panel.left(), panel.top() + 4, panel.width(), 20);
    paintOutlined(painter, alignedText(heading, 13, title, Qt::AlignHCenter),
                  goldSheen(title.topLeft(), title.bottomLeft()), QColor(60, 20, 0), 1.5);
    return panel.adjusted(0, 28, 0, 0);
}

void paintTile(QPainter& painter, const QRectF& tile, int picture)
{
    painter.setPen(QPen(QColor(110, 80, 20), 1.5));
    painter.setBrush(picture == AnySymbol ? QColor(70, 70, 82) : QColor(255, 255, 255));
    painter.drawRoundedRect(tile, 4, 4);
    if (picture == AnySymbol)
        paintOutlined(painter, alignedText(QStringLiteral("ANY"), 8, tile, Qt::AlignHCenter, true), Cream,
                      QColor(0, 0, 0), 0);
    else
        paintSymbol(painter, picture, tile.adjusted(1, 1, -1, -1));
}

void paintRows(QPainter& painter, const QRectF& area, PayTable table)
{
    qreal top = area.top();
    for (const ChartRow& row : chartRows(table)) {
        const QRectF line(area.left() + 12, top, area.width() - 24, RowHeight);
        qreal x = line.left();
        for (const int picture : row.pictures) {
            paintTile(painter, QRectF(x, line.center().y() - Tile / 2, Tile, Tile), picture);
            x += Tile + 4;
        }
        if (row.anyMix) {
            const QRectF note(x + 4, line.top(), line.right() - x - 60, line.height() / 2);
            paintOutlined(
                painter,
                alignedText(QStringLiteral("ANY MIX OF"), 7, note.translated(0, 2), Qt::AlignLeft, true),
                Cream, QColor(0, 0, 0), 0);
            paintOutlined(painter,
                          alignedText(QStringLiteral("BARS, 7s, WILDS"), 7,
                                      note.translated(0, note.height() - 2), Qt::AlignLeft, true),
                          Cream, QColor(0, 0, 0), 0);
        } else {
            painter.setPen(QPen(QColor(200, 160, 60, 140), 1.2, Qt::DotLine));
            painter.drawLine(QPointF(x + 6, line.center().y() + 5),
                             QPointF(line.right() - 50, line.center().y() + 5));
        }
        paintOutlined(painter, alignedText(QString::number(row.pay), 15, line, Qt::AlignRight),
                      goldSheen(QPointF(0, line.center().y() - 8), QPointF(0, line.center().y() + 8)),
                      QColor(50, 10, 0), 2);
        top += RowHeight;
    }
}

void paintLampLegend(QPainter& painter, const QRectF& area)
{
    const QImage lamps = lampBar(62, 28);
    const struct
    {
        int lamp;
        const char* meaning;
    } legend[] = {
        {0, "Automatic Loser: no line pays"},
        {2, "All winning lines doubled"},
        {4, "One free spin"},
        {6, "Bonus Pool grows by 1 to 25"},
    };
    qreal top = area.top() + 2;
    for (const auto& entry : legend) {
        const QRectF lamp(area.left() + 12, top, 44, 20);
        const qreal scale = lamps.devicePixelRatio();
        painter.drawImage(lamp, lamps, QRectF(entry.lamp * 62 * scale, 0, 62 * scale, 28 * scale));
        const QRectF text(lamp.right() + 10, top, area.right() - lamp.right() - 20, lamp.height());
        paintOutlined(painter, alignedText(QString::fromLatin1(entry.meaning), 9, text, Qt::AlignLeft), Cream,
                      QColor(0, 0, 0), 0);
        top += 23;
    }
}

} // namespace

QImage payChart()
{
    QImage chart = canvas(PayChartSize, Qt::black);
    QPainter painter(&chart);
    smoothen(painter);
    const qreal w = PayChartSize.width();
    const qreal h = PayChartSize.height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(lacquer(QColor(150, 12, 22), 0, h));
    painter.drawRect(QRectF(0, 0, w, h));
    painter.setPen(QPen(QBrush(goldSheen(QPointF(0, 0), QPointF(w, h))), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(3, 3, w - 6, h - 6), 10, 10);

    const QRectF title(0, 10, w, 26);
    const QPainterPath heading = alignedText(QStringLiteral("PAYOFF CHART"), 22, title, Qt::AlignHCenter);
    paintOutlined(painter, heading.translated(1.5, 1.5), QColor(60, 0, 0), QColor(60, 0, 0), 3);
    paintOutlined(painter, heading, goldSheen(title.topLeft(), title.bottomLeft()), QColor(60, 20, 0), 2);
    paintOutlined(painter,
                  alignedText(QStringLiteral("Coins paid for each coin bet on a winning line"), 9,
                              QRectF(0, 42, w, 12), Qt::AlignHCenter),
                  Cream, QColor(0, 0, 0), 0);

    const qreal panelTop = 62;
    const QRectF regular =
        paintPanel(painter, QRectF(12, panelTop, 296, 9 * RowHeight + 36), QStringLiteral("REGULAR SPINS"));
    paintRows(painter, regular, PayTable::Regular);
    const QRectF freeSpins =
        paintPanel(painter, QRectF(320, panelTop, 300, 5 * RowHeight + 36), QStringLiteral("FREE SPINS"));
    paintRows(painter, freeSpins, PayTable::FreeSpin);
    const qreal lampsTop = freeSpins.bottom() + 8;
    const QRectF lamps = paintPanel(painter, QRectF(320, lampsTop, 300, regular.bottom() - lampsTop),
                                    QStringLiteral("BONUS LAMPS"));
    paintLampLegend(painter, lamps);

    QFont notes(QStringLiteral("DejaVu Sans"));
    notes.setPixelSize(11);
    painter.setFont(notes);
    painter.setPen(Cream);
    painter.drawText(
        QRectF(16, regular.bottom() + 6, w - 32, h - regular.bottom() - 12),
        Qt::AlignCenter | Qt::TextWordWrap,
        QStringLiteral("WILD stands for any symbol. Every third line of bells wins the Bonus Pool. "
                       "Lines of melons, apples and grapes use up the fruit icons; when all six "
                       "are gone, 3 FREE SPINS are played on the bar reels."));
    return chart;
}

} // namespace zantaro::assets
