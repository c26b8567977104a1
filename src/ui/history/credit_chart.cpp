// SPDX-License-Identifier: GPL-3.0-or-later
#include "credit_chart.h"

#include "chart_scale.h"
#include "ui/accessibility/focus_ring.h"
#include "ui/dialogs/side_window_look.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace zantaro {

namespace {

// The game's colours: the dark panel of the machine, its gold and the badge green and blue.
const QColor Panel(24, 24, 32);
const QColor GridColour(64, 64, 78);
const QColor AxisText(220, 220, 230);
const QColor CreditsColour(250, 210, 20);
const QColor BetColour(40, 190, 60);
const QColor BellPoolColour(230, 30, 40);
const QColor FreeSpinColour(40, 110, 240, 90);

constexpr int LeftMargin = 72;
constexpr int RightMargin = 16;
constexpr int TopMargin = 30;
constexpr int BottomMargin = 38;
constexpr int BandGap = 24;

struct Plot
{
    QRect area;
    ChartScale scale;
};

int xOf(const QRect& area, std::size_t index, std::size_t count)
{
    if (count < 2)
        return area.center().x();
    return area.left() +
           static_cast<int>(static_cast<double>(index) * area.width() / static_cast<double>(count - 1));
}

void paintValueAxis(QPainter& painter, const Plot& plot, const QString& title)
{
    painter.setFont(sideWindowFont(11));
    for (const std::int64_t tick : plot.scale.ticks) {
        const int y = plot.scale.yOf(tick, plot.area);
        painter.setPen(GridColour);
        painter.drawLine(plot.area.left(), y, plot.area.right(), y);
        painter.setPen(AxisText);
        painter.drawText(QRect(0, y - 8, LeftMargin - 8, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QLocale::system().toString(static_cast<qlonglong>(tick)));
    }
    painter.save();
    painter.translate(12, plot.area.center().y());
    painter.rotate(-90);
    painter.setFont(sideWindowFont(12, true));
    painter.drawText(QRect(-plot.area.height() / 2, -8, plot.area.height(), 16), Qt::AlignCenter, title);
    painter.restore();
}

void paintSpinAxis(QPainter& painter, const QRect& area, std::size_t count)
{
    painter.setFont(sideWindowFont(11));
    painter.setPen(AxisText);
    for (const std::int64_t tick : ChartScale::over(1, static_cast<std::int64_t>(count)).ticks) {
        if (tick < 1)
            continue;
        const int x = xOf(area, static_cast<std::size_t>(tick - 1), count);
        painter.drawLine(x, area.bottom(), x, area.bottom() + 4);
        painter.drawText(QRect(x - 30, area.bottom() + 5, 60, 14), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(tick));
    }
    painter.setFont(sideWindowFont(12, true));
    painter.drawText(QRect(area.left(), area.bottom() + 20, area.width(), 16), Qt::AlignCenter,
                     CreditChart::tr("Spins, oldest on the left (the last %1 of this game)").arg(count));
}

void paintLegend(QPainter& painter, int right)
{
    struct Entry
    {
        QColor colour;
        const char* text;
    };
    const Entry entries[] = {{CreditsColour, QT_TRANSLATE_NOOP("CreditChart", "Credits after the spin")},
                             {BetColour, QT_TRANSLATE_NOOP("CreditChart", "Bet per spin")},
                             {BellPoolColour, QT_TRANSLATE_NOOP("CreditChart", "Bell Pool won")},
                             {FreeSpinColour, QT_TRANSLATE_NOOP("CreditChart", "Free spins")}};
    painter.setFont(sideWindowFont(12));
    const QFontMetrics metrics(painter.font());
    int x = right;
    for (auto it = std::rbegin(entries); it != std::rend(entries); ++it) {
        const QString text = CreditChart::tr(it->text);
        x -= metrics.horizontalAdvance(text) + 34;
        painter.fillRect(QRect(x, 10, 14, 10),
                         QColor(it->colour.red(), it->colour.green(), it->colour.blue()));
        painter.setPen(AxisText);
        painter.drawText(x + 20, 20, text);
    }
}

// Free-spin series are runs of consecutive free spins: one shaded band each, over both plots.
void paintFreeSpinSeries(QPainter& painter, const std::deque<ChartPoint>& points, const QRect& area)
{
    const int halfStep = std::max(1, area.width() / std::max<int>(2, static_cast<int>(points.size())) / 2);
    for (std::size_t first = 0; first < points.size(); ++first) {
        if (!points[first].freeSpin)
            continue;
        std::size_t last = first;
        while (last + 1 < points.size() && points[last + 1].freeSpin)
            ++last;
        const int left = xOf(area, first, points.size()) - halfStep;
        const int right = xOf(area, last, points.size()) + halfStep;
        painter.fillRect(QRect(QPoint(left, area.top()), QPoint(right, area.bottom())), FreeSpinColour);
        first = last;
    }
}

// The lowest and highest credits after a spin; the points are not empty.
std::pair<std::int32_t, std::int32_t> creditRange(const std::deque<ChartPoint>& points)
{
    const auto [lowest, highest] =
        std::minmax_element(points.begin(), points.end(), [](const ChartPoint& a, const ChartPoint& b) {
            return a.creditsAfter < b.creditsAfter;
        });
    return {lowest->creditsAfter, highest->creditsAfter};
}

template <typename Value> QPolygon lineOf(const std::deque<ChartPoint>& points, const Plot& plot, Value value)
{
    QPolygon line;
    line.reserve(static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        line.append(QPoint(xOf(plot.area, i, points.size()), plot.scale.yOf(value(points[i]), plot.area)));
    return line;
}

} // namespace

CreditChart::CreditChart(const std::deque<ChartPoint>& points, QWidget* parent)
    : QWidget(parent), m_points(points)
{
    setObjectName(QStringLiteral("CreditChart"));
    setAccessibleName(tr("Your game so far"));
    setAccessibleDescription(summary());
    setFocusPolicy(Qt::TabFocus);
}

QString CreditChart::summary() const
{
    if (m_points.empty())
        return tr("No spins yet in this game.");
    const auto [lowest, highest] = creditRange(m_points);
    const auto bellPoolWins = std::count_if(m_points.begin(), m_points.end(),
                                            [](const ChartPoint& point) { return point.bellPoolWon; });
    const auto freeSpins = std::count_if(m_points.begin(), m_points.end(),
                                         [](const ChartPoint& point) { return point.freeSpin; });
    return tr("Spins shown: %1. Credits after the first: %2, after the last: %3; lowest %4, highest %5. "
              "Bell Pool wins: %6. Free spins: %7.")
        .arg(m_points.size())
        .arg(m_points.front().creditsAfter)
        .arg(m_points.back().creditsAfter)
        .arg(lowest)
        .arg(highest)
        .arg(bellPoolWins)
        .arg(freeSpins);
}

void CreditChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintChart(painter);
    if (hasFocus())
        paintFocusRing(painter, rect());
}

void CreditChart::paintChart(QPainter& painter) const
{
    painter.fillRect(rect(), Panel);
    painter.setPen(CreditsColour);
    painter.setFont(sideWindowFont(13, true));
    painter.drawText(QRect(10, 4, width() / 2, 22), Qt::AlignLeft | Qt::AlignVCenter, tr("Your game so far"));
    if (m_points.empty()) {
        painter.setPen(AxisText);
        painter.drawText(rect(), Qt::AlignCenter, tr("No spins yet in this game."));
        return;
    }
    paintLegend(painter, width() - RightMargin);

    const QRect whole(LeftMargin, TopMargin, width() - LeftMargin - RightMargin,
                      height() - TopMargin - BottomMargin);
    const int betHeight = whole.height() / 4;
    const QRect creditArea(whole.left(), whole.top(), whole.width(), whole.height() - betHeight - BandGap);
    const QRect betArea(whole.left(), whole.bottom() - betHeight + 1, whole.width(), betHeight);

    const auto [lowest, highest] = creditRange(m_points);
    const auto highestBet =
        std::max_element(m_points.begin(), m_points.end(), [](const ChartPoint& a, const ChartPoint& b) {
            return a.betPerSpin < b.betPerSpin;
        })->betPerSpin;
    const Plot credits{creditArea,
                       ChartScale::over(lowest, highest, ChartScale::stepsFor(creditArea.height()))};
    const Plot bets{betArea,
                    ChartScale::over(0, std::max(1, highestBet), ChartScale::stepsFor(betArea.height()))};

    paintFreeSpinSeries(painter, m_points, QRect(creditArea.topLeft(), betArea.bottomRight()));
    paintValueAxis(painter, credits, tr("Credits"));
    paintValueAxis(painter, bets, tr("Bet"));
    paintSpinAxis(painter, betArea, m_points.size());

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(BetColour, 2));
    painter.drawPolyline(lineOf(m_points, bets, [](const ChartPoint& p) { return p.betPerSpin; }));
    painter.setPen(QPen(CreditsColour, 2));
    const QPolygon creditLine = lineOf(m_points, credits, [](const ChartPoint& p) { return p.creditsAfter; });
    painter.drawPolyline(creditLine);

    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(BellPoolColour);
    for (std::size_t i = 0; i < m_points.size(); ++i)
        if (m_points[i].bellPoolWon)
            painter.drawEllipse(creditLine[static_cast<int>(i)], 6, 6);
}

} // namespace zantaro
