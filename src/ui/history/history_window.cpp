// SPDX-License-Identifier: GPL-3.0-or-later
#include "history_window.h"

#include "credit_chart.h"
#include "recall_view.h"
#include "ui/dialogs/side_window_look.h"
#include "ui/dialogs/text_fit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace zantaro {

namespace {

// The window's parts, laid out from the room the screen has: on a large screen the chart is
// 960 x 330 and the list shows about five spins; a small screen shrinks both, never below a chart
// of 600 x 200 and a list of two spins.
struct Layout
{
    QRect chart;
    QRect caption;
    QRect list;
    QRect help;
    QRect ok;
    QSize client;
};

constexpr int Margin = 10;
constexpr QSize LargestChart(960, 330);
constexpr QSize SmallestChart(600, 200);
constexpr int LargestListHeight = 500;
constexpr int SmallestListHeight = 200;
constexpr int CaptionHeight = 22;
constexpr QSize ButtonSize(89, 33);
// Room left on the screen for the window's frame and a desktop panel.
constexpr QSize ScreenAllowance(40, 80);

Layout layoutFor(const QWidget* parent)
{
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen->availableGeometry().size() - ScreenAllowance;
    const int width = std::clamp(room.width() - 2 * Margin, SmallestChart.width(), LargestChart.width());
    // A third of the height for the chart; the list takes what the chart and the buttons leave.
    const int chartHeight = std::clamp(room.height() / 3, SmallestChart.height(), LargestChart.height());
    const int fixedHeight = 4 * Margin + chartHeight + CaptionHeight + ButtonSize.height();
    const int listHeight = std::clamp(room.height() - fixedHeight, SmallestListHeight, LargestListHeight);

    Layout layout;
    layout.chart = QRect(Margin, Margin, width, chartHeight);
    layout.caption = QRect(Margin + 2, layout.chart.bottom() + 1 + Margin / 2, width, CaptionHeight - 2);
    layout.list = QRect(Margin, layout.caption.bottom() + 1, width, listHeight);
    layout.ok = QRect(QPoint(layout.list.right() + 1 - ButtonSize.width(), layout.list.bottom() + 1 + Margin),
                      ButtonSize);
    layout.help = layout.ok.translated(-ButtonSize.width() - Margin, 0);
    layout.client = QSize(width + 2 * Margin, layout.ok.bottom() + 1 + Margin);
    return layout;
}

QWidget* recallList(const GameHistory& history, const QImage& symbolSheet)
{
    auto* list = new QWidget;
    auto* column = new QVBoxLayout(list);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    int ordinal = 1;
    for (auto recall = history.recalls().rbegin(); recall != history.recalls().rend(); ++recall)
        column->addWidget(new RecallView(*recall, ordinal++, symbolSheet, list));
    if (history.recalls().empty()) {
        auto* none = new QLabel(HistoryWindow::tr("No spins yet in this game."), list);
        none->setFont(sideWindowFont(13));
        none->setMargin(8);
        column->addWidget(none);
    }
    column->addStretch();
    return list;
}

} // namespace

HistoryWindow::HistoryWindow(const GameHistory& history, const QImage& symbolSheet,
                             std::function<void(int)> helpOpener, QWidget* parent)
    : HelpKeyDialog(std::move(helpOpener), parent), m_history(history)
{
    const Layout layout = layoutFor(parent);
    setUpSideWindow(*this, tr("Your Game History"), layout.client);
    setFont(sideWindowFont(13));

    auto* chart = new CreditChart(m_history.chart(), this);
    chart->setGeometry(layout.chart);

    auto* caption = new QLabel(tr("The last ten spins, newest first"), this);
    caption->setFont(sideWindowFont(13, true));
    caption->setGeometry(layout.caption);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("RecallList"));
    scroll->setGeometry(layout.list);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(recallList(m_history, symbolSheet));
    caption->setBuddy(scroll); // the list is read as labelled by its caption
    scroll->setFocus();        // where the focus has always started, now by choice: the chart takes Tab too

    QPushButton* help = addGlyphButton(this, tr("Help"), QStyle::SP_DialogHelpButton, layout.help);
    connect(help, &QPushButton::clicked, this, [this] { showHelpTopic(helpTopic()); });
    QPushButton* ok = addGlyphButton(this, tr("OK"), QStyle::SP_DialogOkButton, layout.ok);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    fitTextsToWindow(*this);
}

} // namespace zantaro
