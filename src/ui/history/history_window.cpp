#include "history_window.h"

#include "credit_chart.h"
#include "recall_view.h"
#include "ui/dialogs/side_window_look.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace zantaro {

namespace {

constexpr QSize ClientSize(980, 720);
constexpr QRect ChartRect(10, 10, 960, 330);
constexpr QRect ListCaptionRect(12, 348, 600, 20);
constexpr QRect ListRect(10, 370, 960, 300);
constexpr QRect OkRect(881, 678, 89, 33);
constexpr QRect HelpRect(782, 678, 89, 33);

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
    setUpSideWindow(*this, QStringLiteral("Your Game History"), ClientSize);
    setFont(sideWindowFont(13));

    auto* chart = new CreditChart(m_history.chart(), this);
    chart->setGeometry(ChartRect);

    auto* caption = new QLabel(QStringLiteral("The last ten spins, newest first"), this);
    caption->setFont(sideWindowFont(13, true));
    caption->setGeometry(ListCaptionRect);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("RecallList"));
    scroll->setGeometry(ListRect);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(recallList(m_history, symbolSheet));

    QPushButton* help = addGlyphButton(this, QStringLiteral("Help"), QStyle::SP_DialogHelpButton, HelpRect);
    connect(help, &QPushButton::clicked, this, [this] { showHelpTopic(HistoryHelpTopic); });
    QPushButton* ok = addGlyphButton(this, QStringLiteral("OK"), QStyle::SP_DialogOkButton, OkRect);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace zantaro
