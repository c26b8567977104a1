#include "history_window.h"

#include "credit_chart.h"
#include "recall_view.h"
#include "ui/dialogs/side_window_look.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace zantaro {

namespace {

constexpr int ClientWidth = 980;
constexpr QRect ChartRect(10, 10, 960, 330);
constexpr QRect ListCaptionRect(12, 348, 600, 20);
constexpr int ListTop = 370;
// The list shows about five spins where the screen has room, and never fewer than two.
constexpr int LargestListHeight = 500;
constexpr int SmallestListHeight = 200;
// Room left on the screen for the window's frame and a desktop panel.
constexpr int ScreenAllowance = 80;
constexpr QSize ButtonSize(89, 33);

int listHeight(const QWidget* parent)
{
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int room =
        screen->availableGeometry().height() - ScreenAllowance - ListTop - ButtonSize.height() - 18;
    return std::clamp(room, SmallestListHeight, LargestListHeight);
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
        auto* none = new QLabel(QStringLiteral("No spins yet in this game."), list);
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
    const QRect listRect(10, ListTop, 960, listHeight(parent));
    const QRect okRect(QPoint(ClientWidth - 10 - ButtonSize.width(), listRect.bottom() + 9), ButtonSize);
    const QRect helpRect = okRect.translated(-ButtonSize.width() - 10, 0);
    setUpSideWindow(*this, QStringLiteral("Your Game History"), QSize(ClientWidth, okRect.bottom() + 10));
    setFont(sideWindowFont(13));

    auto* chart = new CreditChart(m_history.chart(), this);
    chart->setGeometry(ChartRect);

    auto* caption = new QLabel(QStringLiteral("The last ten spins, newest first"), this);
    caption->setFont(sideWindowFont(13, true));
    caption->setGeometry(ListCaptionRect);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("RecallList"));
    scroll->setGeometry(listRect);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(recallList(m_history, symbolSheet));

    QPushButton* help = addGlyphButton(this, QStringLiteral("Help"), QStyle::SP_DialogHelpButton, helpRect);
    connect(help, &QPushButton::clicked, this, [this] { showHelpTopic(HistoryHelpTopic); });
    QPushButton* ok = addGlyphButton(this, QStringLiteral("OK"), QStyle::SP_DialogOkButton, okRect);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace zantaro
